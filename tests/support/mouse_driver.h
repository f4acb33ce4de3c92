#pragma once
// Pointer input for document tests on the fixed-width fixture: points by
// row and column, and whole presses, drags and releases as the control's
// window procedure would forward them.
#include <cstdint>

#include "editor/input/mouse_input.h"
#include "support/document_fixture.h"

namespace mouse_driver {

// The point at a column of a display row (or line), inside the row.
PointerPoint TextPoint(DocumentFixture& f, std::int32_t row, std::int32_t column);
// A point in the line-number margin beside a row.
PointerPoint MarginPoint(DocumentFixture& f, std::int32_t row);

// The pointer arrives (an idle move) and presses at from, moves past the drag threshold, a move to to, and
// the release there; the key flags go with every message.
void LeftDrag(Document& document, const PointerPoint& from, const PointerPoint& to, std::uint32_t keys = 0);
// The pointer arrives, presses and releases.
void LeftClick(Document& document, const PointerPoint& at, std::uint32_t keys = 0);

}  // namespace mouse_driver
