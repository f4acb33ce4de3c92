#pragma once
// Input through the system's queue, as a user's mouse and keyboard give
// it: the program sees the pointer move, the buttons and the modifier keys.
#include <windows.h>

#include <string>

namespace e2e {

// Moves the pointer to a screen point with the given mouse flags (button
// down or up, or 0 for a move), then lets the program catch up unless
// asked not to wait.
void MouseAt(int x, int y, DWORD flags, bool settle = true);
// A left click at a window's client point; the main window comes to the
// front first.
bool ClickAt(HWND main_window, HWND window, POINT client);
// Characters typed as they are (Unicode input).
bool TypeText(HWND main_window, const std::wstring& text);
// One key pressed and released, with Shift held when asked, or with the
// modifier key given (VK_CONTROL) held.
bool PressKey(HWND main_window, UINT virtual_key, bool shift, UINT modifier = 0);

}  // namespace e2e
