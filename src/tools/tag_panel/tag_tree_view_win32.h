#pragma once
// The panel's tree view control as the tag tree: top-level nodes carry a
// TagFolder, their children a TagEntry, as the item's lParam.  A node
// owns its record and frees it when it is deleted, except while a move
// deletes the old node of records that live on in copies.
#include <windows.h>
#include <commctrl.h>

#include "tools/tag_library.h"
#include "tools/tag_panel/tag_tree.h"

namespace tag_tree_view {

inline tag_tree::Node NodeOf(HTREEITEM item) { return reinterpret_cast<tag_tree::Node>(item); }
inline HTREEITEM ItemOf(tag_tree::Node node) { return reinterpret_cast<HTREEITEM>(node); }

class TreeView final : public tag_tree::Tree {
 public:
  explicit TreeView(HWND tree) : tree_(tree) {}
  tag_tree::Node Parent(tag_tree::Node node) const override;
  tag_tree::Node FirstChild(tag_tree::Node parent) const override;
  tag_tree::Node Next(tag_tree::Node node) const override;
  tag_tree::Node Previous(tag_tree::Node node) const override;
  void* Data(tag_tree::Node node) const override;
  // The node's text is the record's name; a folder shows its button.
  tag_tree::Node Insert(const tag_tree::Place& place, void* data) override;
  void DeleteKeepingData(tag_tree::Node node) override;

 private:
  HWND tree_;
};

HTREEITEM Parent(HWND tree, HTREEITEM item);
// Null for a folder, and for a tag of the other kind.
TagEntry* EntryOf(HWND tree, HTREEITEM item);
TagFolder* FolderOf(HWND tree, HTREEITEM item);
// The folder itself, or a tag's folder.
HTREEITEM FolderAround(HWND tree, HTREEITEM item);
// The node under a point of the tree's client area, and where on it.
HTREEITEM HitTest(HWND tree, POINT point, UINT* flags = nullptr);

// A folder that gained a tag: its button back, its expanded state
// forgotten, then opened and shown at once.
void OpenFolder(HWND tree, HTREEITEM folder);
void SetText(HWND tree, HTREEITEM item, const WideString& text);
bool Expanded(HWND tree, HTREEITEM item);

// TVN_DELETEITEM: frees the node's record unless a move keeps it.
void Deleted(HWND tree, const NMTREEVIEWW& info);

// The tree in display order for the library writer.
class LibraryWalk final : public TagLibraryWalk {
 public:
  explicit LibraryWalk(HWND tree) : tree_(tree) {}
  const TagFolder* NextFolder(bool& expanded) override;
  const TagEntry* NextTag() override;

 private:
  HWND tree_;
  HTREEITEM folder_ = nullptr;
  HTREEITEM tag_ = nullptr;
  bool started_ = false;
  bool tags_started_ = false;
};

}  // namespace tag_tree_view
