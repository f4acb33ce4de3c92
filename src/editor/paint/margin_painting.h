#pragma once
// The line-number margin left of the text: the number of each line's first
// display row (on the marked-line background for bookmarked lines, in the
// text colour on the caret line), a separator line, and empty margin for
// continuation rows.
#include <cstdint>

#include "editor/paint/editor_colours.h"
#include "editor/layout/text_metrics.h"
#include "platform/canvas.h"

struct MarginRow {
  std::int32_t y;     // top of the row
  std::int32_t line;  // index of the row's line
  bool first_row;     // the line's first display row: gets the number
  bool marked;
  bool caret_line;
};

namespace margin_painting {

void DrawRow(Canvas& canvas, TextMetrics& metrics, const EditorColours& colours, std::int32_t margin_width,
             const MarginRow& row);

}  // namespace margin_painting
