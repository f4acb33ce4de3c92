// The folder tree kept current by the shell's change events.  Walks over
// the visible nodes take the next node before they change one.
#include "platform/shell_namespace_win32.h"
#include "settings/settings.h"
#include "tools/file_browser/favourites.h"
#include "tools/file_browser/folder_tree_win32.h"
#include "tools/file_browser/folder_tree_nodes_win32.h"

namespace folder_tree {
namespace {

using namespace tree_rules;
using shell_namespace::ItemList;

bool Shows(HTREEITEM item, const ItemList& list) {
  const ShellNode* node = NodeOf(item);
  return node && shell_namespace::Equal(node->item.Get(), list.Get());
}

bool Expanded(HTREEITEM item) { return (ItemState(item) & TVIS_EXPANDED) != 0; }
bool ExpandedBefore(HTREEITEM item) { return (ItemState(item) & TVIS_EXPANDEDONCE) != 0; }

// Children kept under a collapsed node may be out of date anywhere below
// it: they are enumerated afresh when it opens again.
bool DiscardHiddenChildren(HTREEITEM item) {
  if (!HasButton(item) || Expanded(item) || !ExpandedBefore(item)) return false;
  CollapseDiscarding(item);
  return true;
}

void Added(const ItemList& item) {
  const ItemList parent = item.Parent();
  for (HTREEITEM at = Tree().desktop_root; at;) {
    const HTREEITEM next = Next(at, TVGN_NEXTVISIBLE);
    if (!DiscardHiddenChildren(at) && Shows(at, parent)) {
      if (!HasButton(at)) {
        AskWorker(at, kAddButtonIfAny);
      } else if (Expanded(at)) {
        AddMissingChildren(at);
      }
    }
    at = next;
  }
  WideString path;
  if (shell_namespace::PathOf(item.Get(), path) &&
      favourites::IndexOf(ProcessSettings().favourite_folders, path.View()) != favourites::kNone)
    ShowFavourite(path.View());
}

void Removed(const ItemList& item) {
  const ItemList parent = item.Parent();
  for (HTREEITEM at = Tree().desktop_root; at;) {
    const ShellNode* node = NodeOf(at);
    if (node && (node->type == kFavourite || node->type == kOtherNode) && Shows(at, item)) {
      const HTREEITEM next = NextAfterSubtree(at);
      const HTREEITEM holder = Next(at, TVGN_PARENT);
      Delete(at);
      if (holder && !Next(holder, TVGN_CHILD)) MarkEmpty(holder);
      at = next;
      continue;
    }
    const HTREEITEM next = Next(at, TVGN_NEXTVISIBLE);
    // Only the folder that held the item can have lost its last child.
    if ((DiscardHiddenChildren(at) || (HasButton(at) && !Expanded(at))) && Shows(at, parent))
      AskWorker(at, kRemoveButtonIfNone);
    at = next;
  }
}

void Refreshed(const ItemList& folder) {
  for (HTREEITEM at = Tree().desktop_root; at;) {
    const HTREEITEM next = Next(at, TVGN_NEXTVISIBLE);
    if (Shows(at, folder)) {
      if (!HasButton(at)) {
        AskWorker(at, kAddButtonIfAny);
      } else if (Expanded(at)) {
        AddMissingChildren(at);
      } else {
        DiscardHiddenChildren(at);
      }
    }
    at = next;
  }
}

}  // namespace

void ShellChange(shell_events::Event event, const ItemList& first, const ItemList& second) {
  using shell_events::Event;
  if (!Tree().tree) return;
  switch (event) {
    case Event::kMakeFolder:
    case Event::kDriveAdded:
      if (first.Valid()) Added(first);
      return;
    case Event::kRemoveFolder:
    case Event::kDriveRemoved:
      if (first.Valid()) Removed(first);
      return;
    case Event::kRenameFolder:
      if (first.Valid()) Removed(first);
      if (second.Valid()) Added(second);
      return;
    case Event::kUpdateFolder:
      if (first.Valid()) Refreshed(first);
      return;
    default:
      // Files come and go without changing the tree.
      return;
  }
}

}  // namespace folder_tree
