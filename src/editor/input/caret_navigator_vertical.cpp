// Up, Down, Page Up and Page Down.
#include <algorithm>

#include "editor/input/caret_navigator.h"
#include "editor/store/line_record.h"

bool CaretNavigator::VerticalTarget(std::int32_t delta, TextPosition& target) {
  const TextPosition caret = Selection().caret;
  const std::int32_t remembered_x = editor_.RememberedX();
  if (!layout_.Wrapped()) {
    const std::int32_t line = std::clamp(caret.line + delta, 0, store_.LineCount() - 1);
    if (line == caret.line) return false;
    const line_geometry::Hit hit = layout_.HitTest(line, 0, remembered_x);
    hit_unit_ = hit.unit_index;
    target = {line, hit.column, hit.x};
    return true;
  }
  // A caret shown at the end of an upper row moves from that row.
  const std::int32_t current = CaretRow();
  const std::int32_t row = std::clamp(current + delta, 0, std::max(store_.TotalRows() - 1, 0));
  if (row == current) return false;
  const RowLocation location = layout_.LocateDisplayRow(row);
  const line_geometry::Hit hit = layout_.HitTest(location.line, location.row, remembered_x);
  hit_unit_ = hit.unit_index;
  target = {location.line, hit.column, hit.x};
  // The same column with another x is another row: that is a move.
  return !(target == caret);
}

void CaretNavigator::VerticalMove(VerticalKey key, SelectionMode mode) {
  const std::int32_t page = layout_.VisibleRows();
  std::int32_t delta = 0;
  switch (key) {
    case VerticalKey::PageUp:
      view_.ScrollTo(layout_.FirstVisibleRow() - page, layout_.HorizontalScrollColumn());
      delta = -page;
      break;
    case VerticalKey::PageDown:
      view_.ScrollTo(layout_.FirstVisibleRow() + page, layout_.HorizontalScrollColumn());
      delta = page;
      break;
    case VerticalKey::Up: delta = -1; break;
    case VerticalKey::Down: delta = 1; break;
  }
  TextPosition target;
  if (!VerticalTarget(delta, target)) {
    MakeCaretVisible(0);
    return;
  }
  MoveAndShow(target, mode, false, 0);
}
