#pragma once
// Command 5940 (Windows only): the dialog that asks what to search for and
// where, then the search started on the right pane's results page.
#include <windows.h>

#include <string_view>

namespace find_in_files_command {

// The dialog starts with text (when not empty) and folder; the masks, the
// last folders and the switches come from the settings, which keep what
// the user chose.  True when a search started.
bool Run(HWND owner, std::u16string_view text, std::u16string_view folder);

}  // namespace find_in_files_command
