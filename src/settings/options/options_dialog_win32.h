#pragma once
// The settings dialog (template 1000): a page list and four pages that
// edit the settings record; Apply and OK write them, and a changed
// interface font or language takes effect when the dialog closes.
// Windows-only header.
#include <windows.h>

namespace options_dialog {

void Run(HWND main_window);

}  // namespace options_dialog
