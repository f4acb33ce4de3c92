#pragma once
// The screen side of caret movement: the control repaints, scrolls and moves
// its system caret when the caret navigator asks it to. Tests record these.
#include <cstdint>

// Where the system caret goes, in client pixels, and whether it may be shown
// (it is hidden while outside the text area).
struct CaretPlacement {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool visible = false;
  bool operator==(const CaretPlacement&) const = default;
};

class CaretView {
 public:
  virtual ~CaretView() = default;
  // Repaints display rows first..last of the text area (lines when unwrapped).
  virtual void InvalidateRows(std::int32_t first, std::int32_t last) = 0;
  virtual void RepaintMargin() = 0;
  virtual void PlaceCaret(const CaretPlacement& placement) = 0;
  // Scrolls so that these become the first visible row and the horizontal
  // scroll column, within the scroll bars' ranges; the control then moves its
  // caret again. False when nothing scrolled.
  virtual bool ScrollTo(std::int32_t first_visible_row, std::int32_t horizontal_column) = 0;
  // Shows the text from this first row (clamped to the scroll range) and
  // repaints the whole view.
  virtual void RedrawFrom(std::int32_t first_visible_row) = 0;
};
