#include "tools/tag_panel/tag_reorder.h"

namespace tag_reorder {
namespace {

using tag_tree::kNone;
using tag_tree::Node;
using tag_tree::Place;

Decision MoveTo(const Place& place, bool opens_folder = false) { return {true, place, opens_folder}; }

Decision DecideTag(const tag_tree::Tree& tree, const Drop& drop) {
  const Node folder = tree.Parent(drop.target);
  if (folder != kNone) {
    if (tree.Next(drop.dragged) == drop.target) return {};
    return MoveTo(tag_tree::Before(tree, drop.target));
  }
  const Node last = tag_tree::LastChild(tree, drop.target);
  if (last == drop.dragged) return {};
  return MoveTo({drop.target, Place::Where::kLast, kNone}, last == kNone);
}

Decision DecideFolder(const tag_tree::Tree& tree, const Drop& drop) {
  if (drop.after_last) {
    if (tree.Next(drop.dragged) == kNone) return {};
    return MoveTo({kNone, Place::Where::kLast, kNone});
  }
  const Node parent = tree.Parent(drop.target);
  const Node folder = parent != kNone ? parent : drop.target;
  // Onto one of its own tags the folder would land where it stands.
  if (folder == drop.dragged || tree.Next(drop.dragged) == folder) return {};
  return MoveTo(tag_tree::Before(tree, folder));
}

}  // namespace

Decision Decide(const tag_tree::Tree& tree, const Drop& drop) {
  if (drop.target == kNone || drop.target == drop.dragged) return {};
  return drop.folder ? DecideFolder(tree, drop) : DecideTag(tree, drop);
}

}  // namespace tag_reorder
