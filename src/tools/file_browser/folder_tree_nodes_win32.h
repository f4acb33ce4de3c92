#pragma once
// What the folder tree's files share (Windows only): the node records, the
// tree's state, and the node operations the expanding, the change events
// and the commands build on.
#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "platform/shell_namespace_win32.h"
#include "platform/wide_string.h"
#include "tools/file_browser/node_serials.h"
#include "tools/file_browser/tree_rules.h"

namespace folder_tree {

// One per node, owned by it and freed when it is deleted.
struct ShellNode {
  tree_rules::NodeType type = tree_rules::kOtherNode;
  tree_rules::NodeKind kind = tree_rules::kFileSystemFolder;
  shell_namespace::ItemList item;  // none for the favourites root
  WideString name;                 // shown
  WideString key;                  // the name in its folder; a favourite's path
  std::uint32_t serial = 0;
  HTREEITEM handle = nullptr;
};

struct TreeState {
  HWND tree = nullptr;
  HWND base = nullptr;
  HTREEITEM desktop_root = nullptr;
  HTREEITEM favourites_root = nullptr;
  int favourites_image = 0;
  NodeSerials serials;
  // Programmatic selection changes are refused unless this is above 0.
  int selection_check_suspended = 0;
  ULONG registration = 0;
  std::uint32_t context_serial = 0;
};
TreeState& Tree();

// While one lives, the tree may change its selection on its own: deleting
// or collapsing a node that holds the selection moves it.
class SelectionCheckSuspended {
 public:
  SelectionCheckSuspended() { ++Tree().selection_check_suspended; }
  ~SelectionCheckSuspended() { --Tree().selection_check_suspended; }
  SelectionCheckSuspended(const SelectionCheckSuspended&) = delete;
  SelectionCheckSuspended& operator=(const SelectionCheckSuspended&) = delete;
};

ShellNode* NodeOf(HTREEITEM item);
// The node's file-system path; false when it has none.
bool PathOfNode(const ShellNode& node, WideString& path);

UINT ItemState(HTREEITEM item);
bool HasButton(HTREEITEM item);
void SetButton(HTREEITEM item, bool button);
// The button and the expanded states gone: nothing is inside.
void MarkEmpty(HTREEITEM item);
HTREEITEM Next(HTREEITEM item, UINT relation);
// The next visible node after item's subtree.
HTREEITEM NextAfterSubtree(HTREEITEM item);

void Expand(HTREEITEM item);
// Collapses a node and drops its children; they are enumerated again when
// it next expands.
void CollapseDiscarding(HTREEITEM item);
// Deletes a node; the selection is cleared first when it lies inside.
void Delete(HTREEITEM item);

// Adds the folders of node's folder that it does not show yet, sorted;
// the number added.  Enumeration failing adds nothing.
int AddMissingChildren(HTREEITEM item);
// Adds the favourite for path under the favourites root unless one shows
// it, the root given its button and expanded.
void ShowFavourite(std::u16string_view path);
void SortChildren(HTREEITEM item);
void AskWorker(HTREEITEM item, tree_rules::CheckMode mode);

}  // namespace folder_tree
