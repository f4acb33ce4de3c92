#pragma once
// Where the view must scroll so that the caret (or a short one-line
// selection) can be seen. Pure arithmetic; the control applies the result.
#include <cstdint>

struct ScrollPosition {
  std::int32_t first_visible_row = 0;  // a line when unwrapped
  std::int32_t horizontal_column = 0;
  bool operator==(const ScrollPosition&) const = default;
};

struct CaretVisibilityQuery {
  ScrollPosition view;
  std::int32_t visible_rows = 0;
  std::int32_t visible_columns = 0;
  std::int32_t average_width = 1;
  bool wrapped = false;
  std::int32_t caret_row = 0;  // display row (line when unwrapped)
  std::int32_t caret_x = 0;
  // A selection within one line keeps both ends in view when it fits.
  bool one_line_selection = false;
  std::int32_t selection_start_x = 0;
  std::int32_t selection_end_x = 0;
};

namespace caret_visibility {

// The scroll position that shows the caret, keeping margin_columns (0 or 2)
// of room beside it horizontally; the current one when it is in view.
ScrollPosition Target(const CaretVisibilityQuery& query, std::int32_t margin_columns);

}  // namespace caret_visibility
