#pragma once
// Dialogs built from the language module's extended templates.  A template
// is copied into the private heap and its font size set to follow the
// user-interface font before the dialog is made under the program's own
// instance; the copy is freed afterwards.  Windows-only header.
#include <windows.h>

#include <cstddef>

namespace language_dialog {

// Runs the module's template id as a modal dialog; -1 when the template is
// missing or is not an extended template with a font.
INT_PTR RunModal(unsigned id, HWND owner, DLGPROC procedure, LPARAM parameter, int ui_font_height);
// Makes a modeless dialog from the module's template id; null on failure.
HWND CreateModeless(unsigned id, HWND owner, DLGPROC procedure, LPARAM parameter, int ui_font_height);

// The same from template bytes already in hand.
INT_PTR RunModalFrom(const void* bytes, std::size_t size, HWND owner, DLGPROC procedure, LPARAM parameter,
                     int ui_font_height);
HWND CreateModelessFrom(const void* bytes, std::size_t size, HWND owner, DLGPROC procedure, LPARAM parameter,
                        int ui_font_height);

}  // namespace language_dialog
