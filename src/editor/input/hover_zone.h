#pragma once
// Which zone of an editor the pointer is over: the line-number margin, the
// selected text, or the rest of the text area.
#include "editor/input/caret_navigator.h"
#include "editor/layout/document_layout.h"
#include "editor/input/mouse_input.h"
#include "editor/store/text_store.h"

namespace hover_zone {

// Outside the client width counts as text; the margin ends 4 pixels early
// so that a click just left of the text still lands in it. Over the
// selection means inside its part of the pointer's row, the space after the
// row's end (8 pixels more) counting where the selection runs on past it.
HoverZone Classify(DocumentLayout& layout, CaretNavigator& navigator, TextStore& store, const PointerPoint& point);

}  // namespace hover_zone
