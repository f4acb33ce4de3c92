// The frame's positioning commands: document start and end, go to a
// position, select all, select the caret line, clear the selection.
#include <algorithm>

#include "editor/input/caret_navigator.h"
#include "editor/store/line_record.h"
#include "editor/store/selection.h"

void CaretNavigator::MoveToDocumentBoundary(bool end) {
  const TextPosition target = end ? EndOfText() : TextPosition{};
  // A selection ending there (select all) still goes.
  if (!(target == Selection().caret) || Selection().exists) {
    const SelectionState before = Selection();
    SetCaret(target, SelectionMode::Collapse);
    InvalidateSelection(before);
    PlaceCaret();
    view_.RepaintMargin();
    editor_.SetRememberedX(target.x);
  }
  MakeCaretVisible(2);
}

void CaretNavigator::GoTo(const TextPosition& position, SelectionMode mode) {
  // Bookmarks and remembered lines may point past a text changed since.
  const TextPosition target = Clamped(position);
  const std::int32_t row = layout_.Wrapped() ? layout_.DisplayRowOf(target.line, 0) : target.line;
  const std::int32_t first = layout_.FirstVisibleRow();
  const std::int32_t rows = layout_.VisibleRows();
  const SelectionState before = Selection();
  SetCaret(target, mode);
  editor_.SetRememberedX(target.x);
  if (row < first || row >= first + rows) {
    view_.RedrawFrom(std::max(0, row - rows / 2));
  } else {
    InvalidateSelection(before);
    InvalidateSelection(Selection());
  }
  PlaceCaret();
  view_.RepaintMargin();
  MakeCaretVisible(0);
}

void CaretNavigator::SelectAll() {
  const TextPosition end = EndOfText();
  selection::Set(store_.Selection(), TextPosition{}, end);
  editor_.SetRememberedX(end.x);
  PlaceCaret();
  view_.RedrawFrom(layout_.FirstVisibleRow());
  MakeCaretVisible(0);
}

bool CaretNavigator::SelectLine() {
  const std::int32_t line = Selection().caret.line;
  if (store_.Line(line)->Width() == 0) return false;
  const TextPosition end = EndOfLine(line);
  selection::Set(store_.Selection(), TextPosition{line, 0, 0}, end);
  editor_.SetRememberedX(end.x);
  PlaceCaret();
  return true;
}

void CaretNavigator::ClearSelection() {
  const SelectionState before = Selection();
  SetCaret(before.caret, SelectionMode::Collapse);
  InvalidateSelection(before);
  view_.RepaintMargin();
}
