#pragma once
// Where a column of a line is drawn: the editing operations need the x of
// every caret and selection position they produce. The layout engine
// answers; tests use a fixed-width stand-in.
#include <cstdint>

class LineRecord;

struct ColumnX {
  std::int32_t x = 0;  // from the start of the column's display row
  // The column ends a display row that is not the line's last: x is the end
  // of that upper row; the same column is also the start (x 0) of the next.
  bool row_end = false;
};

class ColumnGeometry {
 public:
  virtual ~ColumnGeometry() = default;
  virtual ColumnX ColumnToX(LineRecord& line, std::int32_t column) = 0;
};
