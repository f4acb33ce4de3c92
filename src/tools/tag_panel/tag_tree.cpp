#include "tools/tag_panel/tag_tree.h"

namespace tag_tree {

Node LastChild(const Tree& tree, Node parent) {
  Node last = kNone;
  for (Node child = tree.FirstChild(parent); child != kNone; child = tree.Next(child)) last = child;
  return last;
}

Place Before(const Tree& tree, Node node) {
  const Node previous = tree.Previous(node);
  if (previous == kNone) return {tree.Parent(node), Place::Where::kFirst, kNone};
  return {tree.Parent(node), Place::Where::kAfter, previous};
}

Node Move(Tree& tree, Node node, const Place& place) {
  const Node copy = tree.Insert(place, tree.Data(node));
  if (copy == kNone) return kNone;
  for (Node child = tree.FirstChild(node); child != kNone; child = tree.Next(child)) {
    if (tree.Insert({copy, Place::Where::kLast, kNone}, tree.Data(child)) == kNone) {
      // A tag left out would vanish from the next save: undo the copy.
      tree.DeleteKeepingData(copy);
      return kNone;
    }
  }
  tree.DeleteKeepingData(node);
  return copy;
}

}  // namespace tag_tree
