#pragma once
// The program's file browser seen from the driver: the left pane's tab
// strip, folder tree and file list, their items' texts and places.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace e2e {

HWND LeftBase(HWND main_window);
HWND BrowserTabs(HWND main_window);
HWND FolderTree(HWND main_window);
HWND FileList(HWND main_window);

HTREEITEM TreeNext(HWND tree, HTREEITEM item, UINT relation);
std::wstring TreeText(HWND tree, HTREEITEM item);
// A point just inside a node's label (a long label may run past the
// tree's edge), in the tree's client pixels.
POINT TreeLabelPoint(HWND tree, HTREEITEM item);
// The child of parent whose text is text; null when none is.
HTREEITEM TreeChild(HWND tree, HTREEITEM parent, const std::wstring& text);

// The texts of one column of a list, row by row.
std::vector<std::wstring> ListTexts(HWND list, int column = 0);
POINT ListItemCentre(HWND list, int index);

}  // namespace e2e
