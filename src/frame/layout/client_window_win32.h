#pragma once
// The main window's inside (Windows only): the rebar at the top, a border
// line under it, and the client window holding the two pane bases and the
// document area between them.
#include <windows.h>

namespace client_window {

inline constexpr int kBorderId = 300;
inline constexpr int kClientId = 301;

// Makes the rebar, border, client, pane bases and document area; false
// when one cannot be made.
bool Create(HWND main_window);
// The main window's size changed (or the rebar's height).
void LayOut(HWND main_window);
// The client window lays its three children out again.
void LayOutClient();
// The smallest client width the two panes leave room for.
int MinimumClientWidth();

}  // namespace client_window
