#pragma once
// Pixel geometry inside one line: pen positions of columns, the row that
// holds a column, and the column under a pixel.  Works on the line's units
// (count of them) so that it serves any line storage.
#include <cstdint>

#include "editor/layout/text_metrics.h"
#include "editor/store/text_position.h"

namespace line_geometry {

// The pen position after the units start..end of a line, starting at 0.
std::int32_t PenAt(TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t start,
                   std::int32_t end);

struct RowSpan {
  std::int32_t index = 0;  // row of the line
  std::int32_t start = 0;  // first unit of the row
  RowInfo row{0, 0};
};

// The row that holds a column.  A column on the boundary of two rows belongs
// to the upper row when the boundary goes up, to the lower one otherwise;
// the line's end always belongs to its last row.  Lines is anything with
// RowCount() and Row(i).
template <class Line>
RowSpan RowOf(const Line& line, std::int32_t column, bool boundary_goes_up) {
  RowSpan span;
  const std::int32_t rows = line.RowCount();
  for (span.index = 0; span.index < rows; ++span.index) {
    span.row = line.Row(span.index);
    const std::int32_t end = span.start + span.row.units;
    if (span.index + 1 == rows || column < end || (boundary_goes_up && column == end)) break;
    span.start = end;
  }
  return span;
}

// The x of a column in its row, measured from the row start, and whether it
// lies at the end of a row that is not the line's last (the caret then shows
// at the end of the upper row).
struct ColumnPlace {
  std::int32_t x = 0;
  bool row_end = false;
  std::int32_t row = 0;
};
template <class Line>
ColumnPlace ColumnToX(TextMetrics& metrics, const Line& line, const char16_t* units, std::int32_t column) {
  const RowSpan span = RowOf(line, column, true);
  ColumnPlace place;
  place.row = span.index;
  place.x = PenAt(metrics, units, line.Length(), span.start, column);
  place.row_end = place.x == span.row.width && span.index + 1 < line.RowCount();
  return place;
}

struct Hit {
  std::int32_t column = 0;      // from the line start
  std::int32_t x = 0;           // pen position of that column, from the row start
  std::int32_t unit_index = 0;  // the unit under the pointer
};

// The column nearest to pixel x in the units start..end (a row, or the whole
// line) whose width is row_width: a click on the right half of a character
// lands after it, on the left half before it.  A surrogate pair counts as
// one character.
Hit HitTest(TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t start,
            std::int32_t end, std::int32_t row_width, std::int32_t x);

}  // namespace line_geometry
