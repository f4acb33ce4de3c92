#include "support/fixed_width_geometry.h"

#include "editor/line_record.h"

ColumnX FixedWidthGeometry::ColumnToX(LineRecord& line, std::int32_t column) {
  // A column on a row boundary belongs to the upper row.
  std::int32_t row = 0;
  std::int32_t row_start = 0;
  while (row + 1 < line.RowCount() && row_start + line.Row(row).units < column) row_start += line.Row(row++).units;
  ColumnX place;
  for (std::int32_t i = row_start; i < column; ++i) place.x += line.UnitAt(i) == u'\n' ? 0 : unit_width_;
  place.row_end = row + 1 < line.RowCount() && column == row_start + line.Row(row).units;
  return place;
}
