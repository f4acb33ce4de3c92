#pragma once
// The folder tree's decisions that need no window: which shell items get
// a node and of what kind, and what the background check of a node's
// children asks and does with the answer.
#include <string_view>

namespace tree_rules {

enum NodeType : int { kFavouritesRoot = 0, kDesktopRoot = 1, kFavourite = 2, kOtherNode = 3 };
enum NodeKind : int { kFileSystemFolder = 0, kVirtualFolder = 1, kZipArchive = 2 };
// 1: give the node an expand button if it has children; 0: take the button
// away if it has none.
enum CheckMode : int { kRemoveButtonIfNone = 0, kAddButtonIfAny = 1 };

// What the shell says of an item met while enumerating a folder's folders.
struct ItemFacts {
  bool file_system = false;
  bool folder = false;
  bool stream = false;  // an archive the shell shows as a folder
  std::u16string_view name;  // the name in its folder, extension included
};

struct Placement {
  bool shown = false;
  NodeKind kind = kFileSystemFolder;
  bool button = false;  // an expand button before anyone looked inside
  bool check = false;   // a background check (mode 0) of that button
};

// Archives appear as leaves only when they are ".zip"; other archives and
// items that are neither folders nor in the file system stay out.
Placement PlaceChild(const ItemFacts& item);
// Whether an item makes its folder worth an expand button: an ordinary
// folder or a ".zip" archive (folders outside the file system do not).
bool CountsAsChild(const ItemFacts& item);

// How the background check decides whether a node has children.  The
// favourites root is decided on the user-interface thread, from the list.
enum class Question { kYes, kNo, kFolderTest, kParentAttribute };
Question QuestionFor(NodeType type, NodeKind kind);

enum class ButtonChange { kKeep, kAdd, kRemove };
ButtonChange ChangeFor(CheckMode mode, bool has_children);

}  // namespace tree_rules
