#include "support/fixed_width_layout.h"

#include <algorithm>
#include <vector>

#include "editor/store/line_record.h"

std::int32_t FixedWidthLayout::WidthOf(const char16_t* units, std::int32_t count) const {
  std::int32_t width = 0;
  for (std::int32_t i = 0; i < count; ++i) width += units[i] == u'\n' ? 0 : unit_width_;
  return width;
}

bool FixedWidthLayout::Layout(LineRecord& line, std::int32_t wrap_width) {
  const std::int32_t per_row = wrap_width > 0 ? std::max(1, wrap_width / unit_width_) : line.Length() + 1;
  std::vector<RowInfo> rows;
  std::int32_t total = 0;
  for (std::int32_t start = 0; start < line.Length() || rows.empty(); start += per_row) {
    const std::int32_t units = std::min(per_row, line.Length() - start);
    std::int32_t width = 0;
    for (std::int32_t i = start; i < start + units; ++i) width += line.UnitAt(i) == u'\n' ? 0 : unit_width_;
    // A trailing line feed stays on the row before it.
    if (start + units == line.Length() - 1 && line.UnitAt(line.Length() - 1) == u'\n' && units == per_row) {
      rows.push_back({units + 1, width});
      total += width;
      break;
    }
    rows.push_back({units, width});
    total += width;
  }
  if (fail_multi_row_ && rows.size() > 1) return false;
  return line.SetLayout(total, rows.data(), static_cast<std::int32_t>(rows.size()));
}
