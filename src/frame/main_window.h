#pragma once
// The main window of class "Vorndel_main_class".  Until documents and tabs
// exist its client area lists the opened files, the active one selected.

namespace main_window {

inline constexpr char16_t kClassName[] = u"Vorndel_main_class";
inline constexpr int kFileListId = 420;

// Registers the class, creates the user-interface font and the window and
// shows it, placed by the settings when a settings file was read.  Returns
// false when the window cannot be made.
bool Create(bool settings_read, int show_command);
// Stores the window's normal rectangle and maximised state in the settings.
void SavePlacement();
// Refreshes the list of opened files.
void ShowFiles();
// Deletes the user-interface font (at exit, after the window is gone).
void DeleteUiFont();

}  // namespace main_window
