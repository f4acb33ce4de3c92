#pragma once
// Where a Shift-drag in the tag panel puts the dragged folder or tag when
// the button comes up, decided from the tree alone.
#include "tools/tag_panel/tag_tree.h"

namespace tag_reorder {

struct Drop {
  bool folder = false;            // a folder is dragged, else a tag
  tag_tree::Node dragged = tag_tree::kNone;
  tag_tree::Node target = tag_tree::kNone;  // kNone: released over nothing
  bool after_last = false;        // a folder released below the last node
};

struct Decision {
  bool move = false;
  tag_tree::Place place;
  // The tag goes into a folder that had none, whose button must come back.
  bool opens_folder = false;
};

// No move when the node would land where it already stands.
Decision Decide(const tag_tree::Tree& tree, const Drop& drop);

}  // namespace tag_reorder
