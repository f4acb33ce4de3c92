#pragma once
// The tag panel's tree as its rules see it: two levels, folders at the top
// and tags under them, each node carrying its folder's or tag's record.
// The window's tree view implements it; tests use a plain one.
#include <cstdint>

namespace tag_tree {

using Node = std::uintptr_t;
inline constexpr Node kNone = 0;

// A place among a parent's children; parent kNone is the top level.
struct Place {
  enum class Where { kFirst, kAfter, kLast };
  Node parent = kNone;
  Where where = Where::kLast;
  Node after = kNone;  // with kAfter
};

class Tree {
 public:
  virtual ~Tree() = default;
  virtual Node Parent(Node node) const = 0;
  // kNone as parent: the first folder.
  virtual Node FirstChild(Node parent) const = 0;
  virtual Node Next(Node node) const = 0;
  virtual Node Previous(Node node) const = 0;
  virtual void* Data(Node node) const = 0;
  // A new node carrying data at place; the record stays whoever's it was.
  // kNone when the node cannot be made.
  virtual Node Insert(const Place& place, void* data) = 0;
  // Deletes a node and its children without freeing their records, which
  // live on in copies.
  virtual void DeleteKeepingData(Node node) = 0;
};

Node LastChild(const Tree& tree, Node parent);
// Just before node: after its previous sibling, or first.
Place Before(const Tree& tree, Node node);

// Moves node, a folder with its tags, to place: copies are made first and
// the old node goes only when every copy was made; otherwise the copies go
// and the tree is as it was.  The new node, or kNone.
Node Move(Tree& tree, Node node, const Place& place);

}  // namespace tag_tree
