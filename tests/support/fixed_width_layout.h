#pragma once
// Layout stand-in for tests: every unit is unit_width pixels, a line feed 0.
// With a positive wrap width a line is cut into rows of as many units as fit
// (at least one), so that multi-row lines can be tested; otherwise one row.
#include <cstdint>

#include "editor/store/line_layout.h"

class FixedWidthLayout : public LineLayout {
 public:
  explicit FixedWidthLayout(std::int32_t unit_width = 8) : unit_width_(unit_width) {}
  bool Layout(LineRecord& line, std::int32_t wrap_width) override;
  // Makes the next Layout calls fail to store rows of more than one row.
  void SetFailMultiRow(bool fail) { fail_multi_row_ = fail; }

  std::int32_t UnitWidth() const { return unit_width_; }
  // The width this layout gives a text.
  std::int32_t WidthOf(const char16_t* units, std::int32_t count) const;

 private:
  std::int32_t unit_width_;
  bool fail_multi_row_ = false;
};
