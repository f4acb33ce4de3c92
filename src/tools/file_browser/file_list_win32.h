#pragma once
// The file browser's file list (Windows only), control 403: the documents
// and images of the folder last chosen in the tree, opened by a click and
// dragged into the editor.  A virtual list drawn by the program, so that
// tens of thousands of names fill it at once.
#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "tools/file_browser/shell_events.h"

namespace file_list {

inline constexpr int kId = 403;
// Posted to the base so that the focus moves once the list is done with
// the click that moved its selection.
inline constexpr UINT kFocusEditor = WM_APP + 3;
inline constexpr UINT_PTR kRefillTimer = 100001;

// The list, hidden, as a child of base; false when it cannot be made.
bool Create(HWND base, HFONT font);
HWND Window();

// Makes folder the listed one (and the main window's title) and fills the
// list from it; true when at least one name is listed.
bool FillFolder(std::u16string_view folder);
// Fills the listed folder again.
bool Refill();
void Clear();
bool HoldsNames();
std::u16string_view ListedFolder();
// The names drawn and measured in another font.
void ApplyFont(HFONT font);
// Selects the active document's item when it is listed, else nothing.
void SyncSelection();

// The list's notifications and items to draw; true when handled.
bool Notify(const NMHDR& header, LRESULT& result);
bool DrawItem(const DRAWITEMSTRUCT& item);
// A change event with its two paths; refills wait for a short quiet time
// so that a burst of changes refills once.
void ShellChange(shell_events::Event event, std::u16string_view first, std::u16string_view second);
void RefillAfterQuiet();

// Dragging a listed file into the editor, where the release inserts its
// relative path or an image tag: the base's mouse messages while a drag is
// under way; true when they were the drag's.
bool DragMove(HWND base, POINT point);
bool DragRelease();
bool DragCaptureLost(HWND base, HWND taker);

}  // namespace file_list
