#pragma once
// The program's tag panel seen from the driver: the right base, its tree,
// its nodes and where they stand on the screen.
#include <windows.h>
#include <commctrl.h>

namespace e2e {

HWND RightBase(HWND main_window);
HWND TagTree(HWND main_window);
int NodeCount(HWND tree);
// Folder index, or tag index of that folder when not -1; null for none.
HTREEITEM NodeAt(HWND tree, int folder, int tag = -1);
// The node's text in the tree's client pixels; empty when unknown.
RECT NodeRect(HWND tree, HTREEITEM node);
// The middle of the node's text in the tree's client pixels.
POINT NodeCentre(HWND tree, HTREEITEM node);

}  // namespace e2e
