#include "editor/store/selection.h"

namespace selection {

void Collapse(SelectionState& state, const TextPosition& position) {
  state.caret = state.anchor = state.start = state.end = position;
  state.exists = false;
}

void Set(SelectionState& state, const TextPosition& anchor, const TextPosition& caret) {
  state.anchor = anchor;
  state.caret = caret;
  const bool anchor_first = !Precedes(caret, anchor);
  state.start = anchor_first ? anchor : caret;
  state.end = anchor_first ? caret : anchor;
  state.exists = !SamePlace(anchor, caret);
}

}  // namespace selection
