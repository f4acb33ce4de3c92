#include "tools/tag_panel/tag_tree_view_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace tag_tree_view {
namespace {

// Set while a move deletes nodes whose records live on in their copies.
bool moving = false;

HTREEITEM Relative(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

LPARAM ParamOf(HWND tree, HTREEITEM item) {
  TVITEMW data = {};
  data.mask = TVIF_PARAM | TVIF_HANDLE;
  data.hItem = item;
  return item && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data)) ? data.lParam : 0;
}

wchar_t* Wide(const WideString& text) { return reinterpret_cast<wchar_t*>(const_cast<char16_t*>(text.Text())); }

}  // namespace

tag_tree::Node TreeView::Parent(tag_tree::Node node) const {
  return NodeOf(tag_tree_view::Parent(tree_, ItemOf(node)));
}

tag_tree::Node TreeView::FirstChild(tag_tree::Node parent) const {
  return NodeOf(parent == tag_tree::kNone ? Relative(tree_, nullptr, TVGN_ROOT)
                                          : Relative(tree_, ItemOf(parent), TVGN_CHILD));
}

tag_tree::Node TreeView::Next(tag_tree::Node node) const {
  return NodeOf(Relative(tree_, ItemOf(node), TVGN_NEXT));
}

tag_tree::Node TreeView::Previous(tag_tree::Node node) const {
  return NodeOf(Relative(tree_, ItemOf(node), TVGN_PREVIOUS));
}

void* TreeView::Data(tag_tree::Node node) const { return reinterpret_cast<void*>(ParamOf(tree_, ItemOf(node))); }

tag_tree::Node TreeView::Insert(const tag_tree::Place& place, void* data) {
  const bool folder = place.parent == tag_tree::kNone;
  TVINSERTSTRUCTW insert = {};
  insert.hParent = folder ? TVI_ROOT : ItemOf(place.parent);
  switch (place.where) {
    case tag_tree::Place::Where::kFirst: insert.hInsertAfter = TVI_FIRST; break;
    case tag_tree::Place::Where::kAfter: insert.hInsertAfter = ItemOf(place.after); break;
    case tag_tree::Place::Where::kLast: insert.hInsertAfter = TVI_LAST; break;
  }
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | (folder ? TVIF_CHILDREN : 0);
  insert.item.pszText = Wide(folder ? static_cast<TagFolder*>(data)->name : static_cast<TagEntry*>(data)->name);
  insert.item.cChildren = 1;  // every folder shows its button, empty or not
  insert.item.lParam = reinterpret_cast<LPARAM>(data);
  const LRESULT item = SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
  return static_cast<tag_tree::Node>(item);
}

void TreeView::DeleteKeepingData(tag_tree::Node node) {
  moving = true;
  SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(ItemOf(node)));
  moving = false;
}

HTREEITEM Parent(HWND tree, HTREEITEM item) { return item ? Relative(tree, item, TVGN_PARENT) : nullptr; }

TagEntry* EntryOf(HWND tree, HTREEITEM item) {
  return item && Parent(tree, item) ? reinterpret_cast<TagEntry*>(ParamOf(tree, item)) : nullptr;
}

TagFolder* FolderOf(HWND tree, HTREEITEM item) {
  return item && !Parent(tree, item) ? reinterpret_cast<TagFolder*>(ParamOf(tree, item)) : nullptr;
}

HTREEITEM FolderAround(HWND tree, HTREEITEM item) {
  HTREEITEM parent = Parent(tree, item);
  return parent ? parent : item;
}

HTREEITEM HitTest(HWND tree, POINT point, UINT* flags) {
  TVHITTESTINFO hit = {};
  hit.pt = point;
  SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (flags) *flags = hit.flags;
  return hit.hItem;
}

void OpenFolder(HWND tree, HTREEITEM folder) {
  TVITEMW item = {};
  item.mask = TVIF_CHILDREN | TVIF_STATE | TVIF_HANDLE;
  item.hItem = folder;
  item.cChildren = 1;
  item.stateMask = TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  item.state = 0;
  SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(folder));
  UpdateWindow(tree);
}

void SetText(HWND tree, HTREEITEM node, const WideString& text) {
  TVITEMW item = {};
  item.mask = TVIF_TEXT | TVIF_HANDLE;
  item.hItem = node;
  item.pszText = Wide(text);
  SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool Expanded(HWND tree, HTREEITEM item) {
  return (SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void Deleted(HWND tree, const NMTREEVIEWW& info) {
  if (moving || !info.itemOld.lParam) return;
  if (Parent(tree, info.itemOld.hItem))
    DestroyTagEntry(reinterpret_cast<TagEntry*>(info.itemOld.lParam));
  else
    DestroyTagFolder(reinterpret_cast<TagFolder*>(info.itemOld.lParam));
}

// A null item means the root to some relations: never ask past the end.
const TagFolder* LibraryWalk::NextFolder(bool& expanded) {
  if (started_ && !folder_) return nullptr;
  folder_ = started_ ? Relative(tree_, folder_, TVGN_NEXT) : Relative(tree_, nullptr, TVGN_ROOT);
  started_ = true;
  tags_started_ = false;
  if (!folder_) return nullptr;
  expanded = Expanded(tree_, folder_);
  return reinterpret_cast<const TagFolder*>(ParamOf(tree_, folder_));
}

const TagEntry* LibraryWalk::NextTag() {
  if (!folder_ || (tags_started_ && !tag_)) return nullptr;
  tag_ = tags_started_ ? Relative(tree_, tag_, TVGN_NEXT) : Relative(tree_, folder_, TVGN_CHILD);
  tags_started_ = true;
  return tag_ ? reinterpret_cast<const TagEntry*>(ParamOf(tree_, tag_)) : nullptr;
}

}  // namespace tag_tree_view
