#include "editor/input/caret_visibility.h"

#include <algorithm>

namespace caret_visibility {
namespace {

// Rounds toward minus infinity, so that a caret a few pixels left of the
// view counts as a column left of it.
std::int32_t FloorDivide(std::int32_t value, std::int32_t divisor) {
  const std::int32_t quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

std::int32_t HorizontalTarget(const CaretVisibilityQuery& q, std::int32_t margin) {
  const std::int32_t average = std::max(q.average_width, 1);
  const std::int32_t column = q.view.horizontal_column;
  const std::int32_t left = column * average;
  const std::int32_t page = q.visible_columns * average;
  if (q.one_line_selection && page >= q.selection_end_x - q.selection_start_x) {
    if (q.selection_start_x < left) return FloorDivide(q.selection_start_x, average);
    if (q.selection_end_x > left + page) return FloorDivide(q.selection_end_x - page + average - 1, average);
    return column;
  }
  const std::int32_t k = FloorDivide(q.caret_x - left, average) - margin;
  if (k < 0) return column + k;
  const std::int32_t beyond = k + 2 * margin - q.visible_columns;
  return beyond > 0 ? column + beyond : column;
}

}  // namespace

ScrollPosition Target(const CaretVisibilityQuery& q, std::int32_t margin_columns) {
  ScrollPosition target = q.view;
  // A view too small for one row still shows the caret's row at its top.
  const std::int32_t rows = std::max(q.visible_rows, 1);
  if (q.caret_row < q.view.first_visible_row) {
    target.first_visible_row = q.caret_row;
  } else if (q.caret_row >= q.view.first_visible_row + rows) {
    target.first_visible_row = q.caret_row - rows + 1;
  }
  // Wrapped views never scroll sideways, and one without a visible column
  // has nowhere to show the caret.
  if (!q.wrapped && q.visible_columns > 0) {
    target.horizontal_column = std::max(0, HorizontalTarget(q, margin_columns));
  }
  return target;
}

}  // namespace caret_visibility
