#include "editor/input/caret_navigator.h"

#include <algorithm>

#include "editor/store/line_record.h"
#include "editor/store/selection.h"

CaretNavigator::CaretNavigator(TextStore& store, DocumentLayout& layout, TextMetrics& metrics,
                               DocumentEditor& editor, CaretView& view)
    : store_(store), layout_(layout), metrics_(metrics), editor_(editor), view_(view) {}

line_geometry::RowSpan CaretNavigator::RowAround(LineRecord& line, const TextPosition& position) {
  // Unwrapped lines are laid out as one row, so this serves both modes.
  return line_geometry::RowOf(line, position.column, position.x != 0);
}

std::int32_t CaretNavigator::PenInRow(LineRecord& line, const line_geometry::RowSpan& row, std::int32_t column) {
  return line_geometry::PenAt(metrics_, line.MakeContiguous(), line.Length(), row.start, column);
}

std::int32_t CaretNavigator::ShownRow(const TextPosition& position) {
  if (!layout_.Wrapped()) return position.line;
  LineRecord* line = store_.Line(position.line);
  if (!line) return 0;
  return layout_.DisplayRowOf(position.line, 0) + RowAround(*line, position).index;
}

std::int32_t CaretNavigator::CaretY() { return layout_.RowTop(CaretRow()); }

CaretPlacement CaretNavigator::Placement() {
  CaretPlacement placement;
  const std::int32_t margin = layout_.MarginWidth();
  placement.x = margin + Selection().caret.x - layout_.HorizontalScrollPixels();
  placement.y = CaretY();
  placement.visible = placement.y > 1 && placement.y < layout_.ClientHeight() && placement.x >= margin &&
                      placement.x < layout_.ClientWidth();
  return placement;
}

void CaretNavigator::PlaceCaret() { view_.PlaceCaret(Placement()); }

TextPosition CaretNavigator::Clamped(const TextPosition& position) {
  TextPosition clamped;
  clamped.line = std::clamp(position.line, 0, store_.LineCount() - 1);
  clamped.column = std::clamp(position.column, 0, store_.Line(clamped.line)->TextLength());
  const line_geometry::ColumnPlace place = layout_.ColumnToX(clamped.line, clamped.column);
  clamped.x = place.row_end && position.x == 0 ? 0 : place.x;
  return clamped;
}

TextPosition CaretNavigator::EndOfLine(std::int32_t line) {
  // The line's own width would be the sum of its rows when wrapped; the x
  // of a position counts from its row.
  TextPosition end{line, store_.Line(line)->TextLength(), 0};
  end.x = layout_.ColumnToX(line, end.column).x;
  return end;
}

TextPosition CaretNavigator::EndOfText() { return EndOfLine(store_.LineCount() - 1); }

void CaretNavigator::RecomputeCaret() {
  SelectionState& state = store_.Selection();
  const TextPosition old = state.caret;
  const TextPosition caret = Clamped(old);
  // The bound that is the caret moves with it.
  if (selection::SamePlace(state.start, old)) state.start = caret;
  if (selection::SamePlace(state.end, old)) state.end = caret;
  if (!state.exists) state.anchor = caret;
  state.caret = caret;
  PlaceCaret();
}

bool CaretNavigator::MakeCaretVisible(std::int32_t margin_columns) {
  const SelectionState& state = Selection();
  CaretVisibilityQuery query;
  query.view = {layout_.FirstVisibleRow(), layout_.HorizontalScrollColumn()};
  query.visible_rows = layout_.VisibleRows();
  query.visible_columns = layout_.VisibleColumns();
  query.average_width = metrics_.AverageWidth();
  query.wrapped = layout_.Wrapped();
  query.caret_row = CaretRow();
  query.caret_x = state.caret.x;
  query.one_line_selection = state.exists && state.start.line == state.end.line;
  query.selection_start_x = state.start.x;
  query.selection_end_x = state.end.x;
  const ScrollPosition target = caret_visibility::Target(query, margin_columns);
  if (target == query.view) return false;
  return view_.ScrollTo(target.first_visible_row, target.horizontal_column);
}

void CaretNavigator::SetCaret(const TextPosition& position, SelectionMode mode) {
  SelectionState& state = store_.Selection();
  switch (mode) {
    case SelectionMode::CaretOnly: state.caret = position; break;
    case SelectionMode::Extend: selection::Set(state, state.anchor, position); break;
    case SelectionMode::Collapse: selection::Collapse(state, position); break;
  }
}

void CaretNavigator::InvalidateSelection(const SelectionState& state) {
  if (state.exists) view_.InvalidateRows(ShownRow(state.start), ShownRow(state.end));
}

void CaretNavigator::ShowMove(const TextPosition& target, SelectionMode mode, bool remember_x) {
  const SelectionState before = Selection();
  SetCaret(target, mode);
  if (remember_x) editor_.SetRememberedX(target.x);
  InvalidateSelection(before);
  InvalidateSelection(Selection());
  PlaceCaret();
  view_.RepaintMargin();
}

void CaretNavigator::MoveAndShow(const TextPosition& target, SelectionMode mode, bool remember_x,
                                 std::int32_t margin_columns) {
  ShowMove(target, mode, remember_x);
  MakeCaretVisible(margin_columns);
}
