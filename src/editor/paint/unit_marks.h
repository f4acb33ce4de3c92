#pragma once
// The visible marks of units that have no glyph of their own: the line end
// (one shape per line-break style), the tab and the full-width space.
#include <cstdint>

#include "platform/encoding.h"
#include "platform/canvas.h"

namespace unit_marks {

// The mark in the 8-pixel line-end cell at x on the row at top y.
void DrawLineEnd(Canvas& canvas, std::int32_t x, std::int32_t y, LineBreakStyle style, Colour colour);
// A small chevron near the start of a tab cell, centred on the text.
void DrawTab(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t text_height, Colour colour);
// The outline of a full-width space cell of the given width.
void DrawFullWidthSpace(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t text_height, Colour colour);

}  // namespace unit_marks
