#pragma once
// The start or end tag around a unit and its partner, found by counting the
// tags of the same name (ASCII letters in any case) through the text.
#include <cstdint>

#include "editor/paint/paint_highlights.h"
#include "editor/store/text_store.h"

namespace tag_pair {

// The tag holding unit hit of line and its matching tag; false (pair left
// alone) when the unit is in no tag, in a comment or processing
// instruction, in an element that has no end tag, or nothing matches.
bool Find(TextStore& store, std::int32_t line, std::int32_t hit, TagPairHighlight& pair);

}  // namespace tag_pair
