#include "tools/tag_panel/tag_drags_win32.h"

#include "tools/tag_panel/tag_panel_editor_win32.h"
#include "tools/tag_panel/tag_reorder.h"
#include "tools/tag_panel/tag_tree_view_win32.h"

namespace tag_drags {
namespace {

constexpr UINT kHoverMs = 800;
constexpr WORD kDragCursor = 111;

enum class Reorder { kNone, kFolder, kTag };
enum class Insertion { kNone, kOutsideEditor, kOverEditor };

struct Drag {
  HWND base = nullptr;
  HWND tree = nullptr;
  Reorder reorder = Reorder::kNone;
  Insertion insertion = Insertion::kNone;
  HTREEITEM dragged = nullptr;
  HTREEITEM target = nullptr;
  HTREEITEM hover = nullptr;  // the node whose button the timer will open
  int item_height = 0;
  int lower_limit = 0;        // below it the tree scrolls on
  bool after_last = false;    // a folder goes after the last one
};
Drag drag;

HTREEITEM Relative(HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(drag.tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

void Select(UINT relation, HTREEITEM item) {
  SendMessageW(drag.tree, TVM_SELECTITEM, relation, reinterpret_cast<LPARAM>(item));
}

void InsertMark(HTREEITEM item, bool after) {
  SendMessageW(drag.tree, TVM_SETINSERTMARK, after, reinterpret_cast<LPARAM>(item));
}

void TrackSelect(bool on) {
  const LONG_PTR style = GetWindowLongPtrW(drag.tree, GWL_STYLE);
  SetWindowLongPtrW(drag.tree, GWL_STYLE, on ? style | TVS_TRACKSELECT : style & ~LONG_PTR{TVS_TRACKSELECT});
}

void StopHoverTimer() {
  if (drag.hover) KillTimer(drag.tree, kHoverTimer);
  drag.hover = nullptr;
}

void NormalCursor() { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }

POINT InTree(POINT base_point) {
  MapWindowPoints(drag.base, drag.tree, &base_point, 1);
  return base_point;
}

// Near the top or bottom edge the neighbouring row comes into view.
void ScrollNear(HTREEITEM item, int y) {
  HTREEITEM shown = nullptr;
  if (y < drag.item_height)
    shown = Relative(item, TVGN_PREVIOUSVISIBLE);
  else if (y > drag.lower_limit)
    shown = Relative(item, TVGN_NEXTVISIBLE);
  if (shown) SendMessageW(drag.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(shown));
}

void BeginReorder(HTREEITEM item, bool folder) {
  TrackSelect(false);
  drag.item_height = static_cast<int>(SendMessageW(drag.tree, TVM_GETITEMHEIGHT, 0, 0));
  RECT client = {};
  GetClientRect(drag.tree, &client);
  drag.lower_limit = client.bottom - drag.item_height - GetSystemMetrics(SM_CYHSCROLL);
  drag.dragged = drag.target = item;
  drag.after_last = false;
  Select(TVGN_CARET, item);
  InsertMark(item, false);
  HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kDragCursor));
  SetCursor(cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW));
  drag.reorder = folder ? Reorder::kFolder : Reorder::kTag;
  SetCapture(drag.base);
}

void MoveFolder(POINT point) {
  UINT flags = 0;
  HTREEITEM over = tag_tree_view::HitTest(drag.tree, point, &flags);
  if (over) {
    drag.after_last = false;
    ScrollNear(over, point.y);
    if (over != drag.target) InsertMark(over, false);
    drag.target = over;
    return;
  }
  RECT client = {};
  GetClientRect(drag.tree, &client);
  if (PtInRect(&client, point)) {
    // Below the last node: the folder is to go to the end.
    drag.target = Relative(nullptr, TVGN_LASTVISIBLE);
    InsertMark(drag.target, true);
    drag.after_last = drag.target != nullptr;
    return;
  }
  InsertMark(nullptr, false);
  drag.target = nullptr;
  drag.after_last = false;
}

void MoveTag(POINT point) {
  UINT flags = 0;
  HTREEITEM over = tag_tree_view::HitTest(drag.tree, point, &flags);
  if (!over) {
    StopHoverTimer();
    InsertMark(nullptr, false);
    Select(TVGN_DROPHILITE, nullptr);
    drag.target = nullptr;
    return;
  }
  if (flags & TVHT_ONITEMBUTTON) {
    if (!drag.hover && SetTimer(drag.tree, kHoverTimer, kHoverMs, nullptr)) drag.hover = over;
  } else {
    StopHoverTimer();
  }
  if (over == drag.target) return;
  ScrollNear(over, point.y);
  if (tag_tree_view::Parent(drag.tree, over)) {
    Select(TVGN_DROPHILITE, nullptr);
    InsertMark(over, false);
  } else {
    InsertMark(nullptr, false);
    Select(TVGN_DROPHILITE, over);
  }
  drag.target = over;
}

// The state goes before the mouse is let go, so that the capture change
// this causes finds nothing to cancel.
void EndReorder(bool drop) {
  const Drag ended = drag;
  drag.reorder = Reorder::kNone;
  if (GetCapture() == drag.base) ReleaseCapture();
  NormalCursor();
  TrackSelect(true);
  StopHoverTimer();
  InsertMark(nullptr, false);
  Select(TVGN_DROPHILITE, nullptr);
  if (drop) {
    tag_tree_view::TreeView tree(drag.tree);
    const tag_reorder::Decision decision =
        tag_reorder::Decide(tree, {ended.reorder == Reorder::kFolder, tag_tree_view::NodeOf(ended.dragged),
                                   tag_tree_view::NodeOf(ended.target), ended.after_last});
    const bool moved =
        decision.move && tag_tree::Move(tree, tag_tree_view::NodeOf(ended.dragged), decision.place) != tag_tree::kNone;
    if (moved && decision.opens_folder)
      tag_tree_view::OpenFolder(drag.tree, tag_tree_view::ItemOf(decision.place.parent));
  }
  drag.dragged = drag.target = nullptr;
  drag.after_last = false;
  Select(TVGN_CARET, nullptr);
  InvalidateRect(drag.tree, nullptr, TRUE);
}

void EndInsertion(bool drop) {
  const Insertion ended = drag.insertion;
  drag.insertion = Insertion::kNone;
  if (GetCapture() == drag.base) ReleaseCapture();
  NormalCursor();
  const TagEntry* entry = tag_tree_view::EntryOf(drag.tree, drag.dragged);
  if (drop && ended == Insertion::kOverEditor && entry) tag_panel_editor::Insert(*entry, drag.tree);
  drag.dragged = nullptr;
  Select(TVGN_CARET, nullptr);
}

}  // namespace

void Begin(HWND base, HWND tree, HTREEITEM item, bool shift) {
  if (drag.reorder != Reorder::kNone || drag.insertion != Insertion::kNone || !item) return;
  drag.base = base;
  drag.tree = tree;
  const bool folder = tag_tree_view::Parent(tree, item) == nullptr;
  if (shift) {
    BeginReorder(item, folder);
    return;
  }
  if (folder) return;
  drag.dragged = item;
  Select(TVGN_CARET, item);
  drag.insertion = Insertion::kOutsideEditor;
  SetCapture(base);
  SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
  tag_panel_editor::StartDrop();
}

bool Move(POINT point) {
  if (drag.insertion != Insertion::kNone) {
    drag.insertion =
        tag_panel_editor::DropAt(drag.base, point) == 2 ? Insertion::kOverEditor : Insertion::kOutsideEditor;
    return true;
  }
  if (drag.reorder == Reorder::kFolder) MoveFolder(InTree(point));
  if (drag.reorder == Reorder::kTag) MoveTag(InTree(point));
  return drag.reorder != Reorder::kNone;
}

bool Release() {
  if (drag.insertion != Insertion::kNone) {
    EndInsertion(true);
    return true;
  }
  if (drag.reorder == Reorder::kNone) return false;
  EndReorder(true);
  return true;
}

void CaptureLost() {
  if (drag.insertion != Insertion::kNone) EndInsertion(false);
  if (drag.reorder != Reorder::kNone) EndReorder(false);
}

bool Timer(UINT_PTR id) {
  if (id != kHoverTimer) return false;
  HTREEITEM hover = drag.hover;
  StopHoverTimer();
  if (hover) SendMessageW(drag.tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(hover));
  return true;
}

void Forget() { drag = Drag(); }

}  // namespace tag_drags
