// Where the system caret stands, and scrolling it into view.
#include <algorithm>

#include "editor/document.h"
#include "editor/selection.h"

namespace {

std::int32_t FloorDivide(std::int32_t value, std::int32_t divisor) {
  const std::int32_t quotient = value / divisor;
  return quotient * divisor > value ? quotient - 1 : quotient;
}

std::int32_t CeilDivide(std::int32_t value, std::int32_t divisor) { return -FloorDivide(-value, divisor); }

}  // namespace

std::int32_t Document::CaretRow() {
  const TextPosition& caret = store_.Selection().caret;
  if (!layout_.Wrapped()) return caret.line;
  // A caret with x shown at the end of an upper row belongs to that row.
  const bool row_end = caret.x != 0 && layout_.ColumnToX(caret.line, caret.column).row_end;
  return layout_.DisplayRowOf(caret.line, caret.column - (row_end ? 1 : 0));
}

void Document::PlaceCaret() {
  if (!window_ || !window_->HasFocus()) return;
  const std::int32_t x = layout_.MarginWidth() + store_.Selection().caret.x - layout_.HorizontalScrollPixels();
  const std::int32_t y = caret_y_;
  window_->MoveCaret(x, y);
  const bool shown = y > 1 && y < layout_.ClientHeight() && x >= layout_.MarginWidth() && x < layout_.ClientWidth();
  if (shown != caret_shown_) {
    window_->ShowCaret(shown);
    caret_shown_ = shown;
  }
  if (composing) window_->MoveComposition(x, y);
}

void Document::RecomputeCaret() {
  SelectionState& state = store_.Selection();
  auto refreshed = [this](const TextPosition& position) {
    const line_geometry::ColumnPlace place = layout_.ColumnToX(position.line, position.column);
    // A caret shown at the start of a lower row stays there.
    return TextPosition{position.line, position.column, place.row_end && position.x == 0 ? 0 : place.x};
  };
  selection::Set(state, refreshed(state.anchor), refreshed(state.caret));
  UpdateCaretY();
  PlaceCaret();
}

void Document::UpdateCaretY() {
  caret_y_ = (CaretRow() - layout_.FirstVisibleRow()) * metrics_.LinePitch() + kTopMargin;
}

void Document::CaretCreated() {
  caret_shown_ = false;
  RecomputeCaret();
}

void Document::CaretDestroyed() { caret_shown_ = false; }

bool Document::MakeCaretVisible(std::int32_t margin_columns) {
  bool moved = false;
  const std::int32_t row = CaretRow();
  const std::int32_t first = layout_.FirstVisibleRow();
  const std::int32_t visible_rows = std::max(1, layout_.VisibleRows());
  if (row < first) {
    moved = ScrollBy(ScrollBarKind::kVertical, first - row);
  } else if (row >= first + visible_rows) {
    moved = ScrollBy(ScrollBarKind::kVertical, first - (row - visible_rows + 1));
  }
  if (layout_.Wrapped()) return moved;

  const SelectionState& state = store_.Selection();
  const std::int32_t average = metrics_.AverageWidth();
  const std::int32_t left = layout_.HorizontalScrollPixels();
  const std::int32_t columns = layout_.VisibleColumns();
  const std::int32_t page = columns * average;
  std::int32_t amount = 0;
  if (state.exists && state.start.line == state.end.line && page >= state.end.x - state.start.x) {
    // A short one-line selection is kept whole in view.
    if (state.start.x < left) {
      amount = CeilDivide(left - state.start.x, average);
    } else if (state.end.x > left + page) {
      amount = -CeilDivide(state.end.x - left - page, average);
    }
  } else {
    const std::int32_t k = FloorDivide(state.caret.x - left, average) - margin_columns;
    if (k < 0) {
      amount = -k;
    } else if (k + 2 * margin_columns - columns > 0) {
      amount = -(k + 2 * margin_columns - columns);
    }
  }
  if (amount != 0) moved = ScrollBy(ScrollBarKind::kHorizontal, amount) || moved;
  return moved;
}
