#pragma once
// The main window of class "Vorndel_main_class".  Until the tab strip and
// panes exist the active document's editor fills its client area, and it
// carries out the editor commands on it.

namespace main_window {

inline constexpr char16_t kClassName[] = u"Vorndel_main_class";

// Registers the class, creates the user-interface font and the window and
// shows it, placed by the settings when a settings file was read.  Returns
// false when the window cannot be made.
bool Create(bool settings_read, int show_command);
// Stores the window's normal rectangle and maximised state in the settings.
void SavePlacement();
// After the user-interface font's height or weight in the settings or the
// language module changed: a new font for every window that shows it, every
// text from the module read again, the menus rebuilt, the bars measured and
// the window laid out anew.  The old font goes only once nothing uses it.
void ApplyFontAndLanguage();
// Deletes the user-interface font (at exit, after the window is gone).
void DeleteUiFont();

}  // namespace main_window
