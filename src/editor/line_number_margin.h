#pragma once
// The line-number margin left of the text. Its digit count: three digits
// until the line count first reaches 1000, one more at every further power
// of ten, and never fewer again while the document lives. Its painting: the
// number of each line's first display row (on the marked-line background for
// bookmarked lines, in the text colour on the caret line), a separator line,
// and empty margin for continuation rows.
#include <cstdint>

#include "editor/editor_colours.h"
#include "editor/paint_metrics.h"
#include "platform/canvas.h"

class LineNumberMargin {
 public:
  // Called after lines were inserted; true when the margin widened.
  bool NoteLineCount(std::int64_t line_count);

  std::int32_t Digits() const { return digits_; }
  std::int64_t Threshold() const { return threshold_; }
  // Digits of the average width plus 10 pixels.
  std::int32_t Width(std::int32_t average_width) const { return digits_ * average_width + 10; }

 private:
  std::int32_t digits_ = 3;
  std::int64_t threshold_ = 1000;
};

struct MarginRow {
  std::int32_t y;     // top of the row
  std::int32_t line;  // index of the row's line
  bool first_row;     // the line's first display row: gets the number
  bool marked;
  bool caret_line;
};

namespace line_number_margin {

void DrawRow(Canvas& canvas, PaintMetrics& metrics, const EditorColours& colours, std::int32_t margin_width,
             const MarginRow& row);

}  // namespace line_number_margin
