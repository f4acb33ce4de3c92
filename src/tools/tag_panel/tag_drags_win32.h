#pragma once
// Dragging in the tag panel: a tag dragged into the editor is inserted
// where it is released; with Shift held at the start a folder or a tag is
// dragged to another place in the tree.  The right base holds the mouse
// meanwhile and passes its messages on.
#include <windows.h>
#include <commctrl.h>

namespace tag_drags {

inline constexpr UINT_PTR kHoverTimer = 100000;

// TVN_BEGINDRAGW of the tree.
void Begin(HWND base, HWND tree, HTREEITEM item, bool shift);
// WM_MOUSEMOVE (the base's client pixels) and WM_LBUTTONUP at the base;
// false when no drag is under way.
bool Move(POINT point);
bool Release();
// WM_CAPTURECHANGED at the base: a drag under way ends as if it had never
// started: marks, cursor, tree style and timer restored, nothing moved or
// inserted.
void CaptureLost();
// WM_TIMER at the tree; true for the hover timer.
bool Timer(UINT_PTR id);
// The tree is going.
void Forget();

}  // namespace tag_drags
