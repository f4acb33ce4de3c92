#include "editor/layout/scroll_arithmetic.h"

#include <algorithm>

namespace scroll_arithmetic {

ScrollBarState VerticalBar(std::int32_t rows, std::int32_t visible_rows, std::int32_t first_visible_row) {
  return {rows + visible_rows / 2, visible_rows, first_visible_row};
}

ScrollBarState HorizontalBar(std::int32_t longest_width, std::int32_t average_width,
                             std::int32_t visible_columns, std::int32_t scroll_column) {
  return {visible_columns / 2 + longest_width / std::max(1, average_width), visible_columns, scroll_column};
}

std::int32_t LastPosition(const ScrollBarState& bar) {
  // As the window system counts it: a page of 0 behaves as a page of 1, and a
  // page larger than the range leaves only position 0.
  return std::max(0, bar.maximum - std::max(1, bar.page) + 1);
}

std::int32_t ClampAmount(const ScrollBarState& bar, std::int32_t amount) {
  // The lowest amount moves to the last position. Measured from the last
  // position rather than from maximum - page, so that a text shorter than
  // the view gives an empty range instead of an inverted one.
  const std::int32_t lowest = bar.position - LastPosition(bar);
  return std::clamp(amount, lowest, bar.position);
}

std::int32_t RequestAmount(const ScrollBarState& bar, ScrollRequest request, std::int32_t track) {
  std::int32_t amount = 0;
  switch (request) {
    case ScrollRequest::kLineUp: amount = 1; break;
    case ScrollRequest::kLineDown: amount = -1; break;
    case ScrollRequest::kPageUp: amount = bar.page; break;
    case ScrollRequest::kPageDown: amount = -bar.page; break;
    case ScrollRequest::kThumbTrack: amount = bar.position - track; break;
    case ScrollRequest::kTop: amount = bar.position; break;
    case ScrollRequest::kBottom: amount = bar.position - LastPosition(bar); break;
    default: return 0;
  }
  return ClampAmount(bar, amount);
}

std::int32_t RowsBelowTop(std::int32_t offset, std::int32_t pitch) {
  const std::int64_t step = std::max(1, pitch);
  // Division truncates towards zero; above the top it must round down.
  return static_cast<std::int32_t>(offset >= 0 ? offset / step : -((step - 1 - offset) / step));
}

std::int32_t LargestFirstRow(std::int32_t rows, std::int32_t visible_rows) {
  return std::max(0, rows - (visible_rows - visible_rows / 2) + 1);
}

std::int32_t LargestColumn(std::int32_t longest_width, std::int32_t average_width, std::int32_t visible_columns) {
  return std::max(0, longest_width / std::max(1, average_width) - (visible_columns - visible_columns / 2) + 1);
}

}  // namespace scroll_arithmetic
