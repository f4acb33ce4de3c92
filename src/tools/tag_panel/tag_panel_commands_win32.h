#pragma once
// The tag panel's context menu and its commands: new folder, new tag,
// delete, edit, expand all and collapse all, acting on the node that was
// right-clicked (the target).
#include <windows.h>

namespace tag_panel_commands {

// WM_CONTEXTMENU at the base (a screen point, or -1, -1 from the keyboard):
// the node there is the target, highlighted while the menu is open; the
// chosen command reaches the base as WM_COMMAND, and the target is gone
// whenever the menu closed.
void ShowMenu(HWND base, HWND tree, POINT screen);
// WM_COMMAND at the base; false for an id that is not the panel's.
bool Run(HWND tree, WORD command);
// A target with its record: the items that act on a node are enabled.
bool HasTarget(HWND tree);

}  // namespace tag_panel_commands
