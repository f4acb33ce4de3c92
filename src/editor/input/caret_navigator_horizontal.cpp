// Home, End, Left and Right. A column on the boundary of two display rows
// is shown at the end of the upper row (x = that row's width) or at the
// start of the lower one (x = 0); Left and Right step between the two
// before they step over a unit.
#include "editor/input/caret_navigator.h"
#include "editor/store/line_record.h"

bool CaretNavigator::HomeTarget(const TextPosition& from, bool collapsing, TextPosition& target) {
  if (!layout_.Wrapped()) {
    target = {from.line, 0, 0};
    return true;
  }
  if (!collapsing && Selection().caret.x == 0) return false;
  target = {from.line, RowAround(*store_.Line(from.line), from).start, 0};
  return true;
}

bool CaretNavigator::EndTarget(const TextPosition& from, bool collapsing, TextPosition& target) {
  LineRecord& line = *store_.Line(from.line);
  const line_geometry::RowSpan row = RowAround(line, from);
  const bool last_row = row.index + 1 == line.RowCount();
  target = {from.line, last_row ? line.TextLength() : row.start + row.row.units, row.row.width};
  return collapsing || !(target == Selection().caret);
}

bool CaretNavigator::LeftTarget(TextPosition& target) {
  const TextPosition caret = Selection().caret;
  if (caret.column == 0) {
    if (caret.line == 0) return false;
    // Onto the previous line's line feed, at the end of its last row.
    LineRecord& previous = *store_.Line(caret.line - 1);
    target = {caret.line - 1, previous.Length() - 1, previous.Row(previous.RowCount() - 1).width};
    return true;
  }
  LineRecord& line = *store_.Line(caret.line);
  const line_geometry::RowSpan row = RowAround(line, caret);
  if (caret.column == row.start) {
    // At the start of a lower row: to the end of the row above.
    target = {caret.line, caret.column, line.Row(row.index - 1).width};
    return true;
  }
  target = {caret.line, caret.column - 1, PenInRow(line, row, caret.column - 1)};
  return true;
}

bool CaretNavigator::RightTarget(TextPosition& target) {
  const TextPosition caret = Selection().caret;
  LineRecord& line = *store_.Line(caret.line);
  if (caret.column >= line.TextLength()) {
    if (caret.line + 1 >= store_.LineCount()) return false;
    target = {caret.line + 1, 0, 0};
    return true;
  }
  const line_geometry::RowSpan row = RowAround(line, caret);
  const std::int32_t row_end = row.start + row.row.units;
  if (caret.column == row_end) {
    // At the end of an upper row: to the start of the row below.
    target = {caret.line, caret.column, 0};
    return true;
  }
  const std::int32_t column = caret.column + 1;
  target = {caret.line, column, column == row_end ? row.row.width : PenInRow(line, row, column)};
  return true;
}

void CaretNavigator::HorizontalMove(HorizontalKey key, SelectionMode mode) {
  const SelectionState& state = Selection();
  const bool collapsing = mode == SelectionMode::Collapse && state.exists;
  TextPosition target;
  bool moves = true;
  switch (key) {
    case HorizontalKey::Home: moves = HomeTarget(collapsing ? state.start : state.caret, collapsing, target); break;
    case HorizontalKey::End: moves = EndTarget(collapsing ? state.end : state.caret, collapsing, target); break;
    case HorizontalKey::Left:
      if (collapsing) target = state.start;
      else moves = LeftTarget(target);
      break;
    case HorizontalKey::Right:
      if (collapsing) target = state.end;
      else moves = RightTarget(target);
      break;
  }
  if (!moves) {
    MakeCaretVisible(2);
    return;
  }
  MoveAndShow(target, mode, true, 2);
}
