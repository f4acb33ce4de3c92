#pragma once
// The About window (Windows only): the program's name and version, a line
// about it and a link to its web page, shown modally over the main window.
#include <windows.h>

namespace about_window {

// Returns when the window was closed (its close box or Esc), or at once
// when the program is quitting meanwhile.
void Show(HWND main_window);
// While it is shown the main window is disabled, yet no code waits on a
// document: a close that arrives meanwhile can run.
bool Showing();

}  // namespace about_window
