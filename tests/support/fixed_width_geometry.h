#pragma once
// Column-to-x for lines laid out by the fixed-width stand-in: every unit but
// the line feed is unit_width wide; rows are read from the line.
#include <cstdint>

#include "editor/column_geometry.h"

class FixedWidthGeometry : public ColumnGeometry {
 public:
  explicit FixedWidthGeometry(std::int32_t unit_width) : unit_width_(unit_width) {}
  ColumnX ColumnToX(LineRecord& line, std::int32_t column) override;

 private:
  std::int32_t unit_width_;
};
