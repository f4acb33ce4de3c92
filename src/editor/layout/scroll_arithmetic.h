#pragma once
// Scroll-bar ranges and scroll requests of an editor control. The ranges
// reach half a page past the text, so that the last line can be brought up
// to about the middle of the view and no further.
#include <cstdint>

// The minimum is always 0.
struct ScrollBarState {
  std::int32_t maximum = 0;
  std::int32_t page = 0;
  std::int32_t position = 0;
  bool operator==(const ScrollBarState&) const = default;
};

// The window system's scroll-bar request codes.
enum class ScrollRequest : std::int32_t {
  kLineUp = 0,
  kLineDown = 1,
  kPageUp = 2,
  kPageDown = 3,
  kThumbPosition = 4,
  kThumbTrack = 5,
  kTop = 6,
  kBottom = 7,
  kEndScroll = 8,
};

namespace scroll_arithmetic {

// rows: total display rows when wrapped, else the line count.
ScrollBarState VerticalBar(std::int32_t rows, std::int32_t visible_rows, std::int32_t first_visible_row);
ScrollBarState HorizontalBar(std::int32_t longest_width, std::int32_t average_width,
                             std::int32_t visible_columns, std::int32_t scroll_column);

// The highest position the bar can take.
std::int32_t LastPosition(const ScrollBarState& bar);

// How far a request moves the view, positive towards the start, already
// clamped so that the new position (position - amount) stays on the bar.
// track is the thumb's position while it is dragged. 0: no movement.
std::int32_t RequestAmount(const ScrollBarState& bar, ScrollRequest request, std::int32_t track);
// An amount given directly (the wheel, make-visible), clamped the same way.
std::int32_t ClampAmount(const ScrollBarState& bar, std::int32_t amount);

// Rows from the view's first row to the one offset pixels below the top of
// the text area (negative above it). Floor division: the first pixel above
// the text area is already the row above the view, so that a drag starts
// scrolling up as soon as it leaves the top edge, as it does at the bottom.
std::int32_t RowsBelowTop(std::int32_t offset, std::int32_t pitch);

// After an edit: the largest first row (or line) and horizontal column the
// view may keep, so that half a page at most lies beyond the text.
std::int32_t LargestFirstRow(std::int32_t rows, std::int32_t visible_rows);
std::int32_t LargestColumn(std::int32_t longest_width, std::int32_t average_width, std::int32_t visible_columns);

}  // namespace scroll_arithmetic
