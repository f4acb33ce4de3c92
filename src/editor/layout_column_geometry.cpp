#include "editor/layout_column_geometry.h"

#include <algorithm>

#include "editor/line_geometry.h"
#include "editor/line_record.h"

ColumnX LayoutColumnGeometry::ColumnToX(LineRecord& line, std::int32_t column) {
  const char16_t* units = line.MakeContiguous();
  column = std::clamp(column, 0, line.Length());
  if (!layout_.Wrapped()) return {line_geometry::PenAt(metrics_, units, line.Length(), 0, column), false};
  const line_geometry::ColumnPlace place = line_geometry::ColumnToX(metrics_, line, units, column);
  return {place.x, place.row_end};
}
