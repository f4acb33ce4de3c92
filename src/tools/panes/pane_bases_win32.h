#pragma once
// The two side panes' base windows (Windows only): the file browser's on
// the left, the tag panel's on the right.  Each keeps a strip at its inner
// edge by which the user drags its width; showing, hiding and the widths
// are settings.  What the panes hold plugs in through PaneContent.
#include <windows.h>

namespace pane_bases {

inline constexpr int kLeftId = 400;
inline constexpr int kRightId = 410;

enum class Side { kLeft, kRight };

// The messages a pane's content handles: creation, size, notifications,
// context menus, commands and timers reach it; true when it handled one.
using PaneContent = bool (*)(HWND base, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
void SetContent(Side side, PaneContent content);

// Registers both classes and makes both bases as children of the client
// window; false when one cannot be made.
bool Create(HWND client);
HWND Base(Side side);

// Shows or hides a pane (commands 5210 and 5220); the caller lays the
// client out again.  The focus leaves a pane that goes.
void Toggle(Side side);

// The pane control (a tree or list of a shown pane) under a screen point
// that should scroll with the wheel; null when there is none.
HWND WheelTarget(POINT screen);
// The wheel a pane control received scrolls the window under the pointer
// when that is the active editor or another pane control; a wheel over
// anything else is dropped.  False when the receiver is under the pointer
// and scrolls by its own handling.
bool RouteWheel(HWND receiver, WPARAM wparam, LPARAM lparam);

// The client window lays out again after a drag changed a width.
using LayOutClient = void (*)();
void SetLayOut(LayOutClient lay_out);

}  // namespace pane_bases
