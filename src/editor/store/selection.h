#pragma once
// Setting the caret and anchor and keeping the selection bounds in step.
#include "editor/store/text_store.h"

namespace selection {

// Same place in the text; x only tells which row a boundary is shown on.
inline bool SamePlace(const TextPosition& a, const TextPosition& b) {
  return a.line == b.line && a.column == b.column;
}

// Caret, anchor and both bounds become the position; no selection.
void Collapse(SelectionState& state, const TextPosition& position);
// Anchor and caret as given, bounds ordered, selected when they differ.
void Set(SelectionState& state, const TextPosition& anchor, const TextPosition& caret);

}  // namespace selection
