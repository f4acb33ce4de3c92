#include "editor/editing/document_editor.h"

#include <algorithm>

#include "editor/store/selection.h"

DocumentEditor::DocumentEditor(TextStore& store, DocumentLayout& layout, EditorParent& parent, EditorView* view)
    : store_(store), layout_(layout), parent_(parent), view_(view) {}

TextPosition DocumentEditor::At(std::int32_t line, std::int32_t column) {
  return {line, column, layout_.ColumnToX(line, column).x};
}

TextPosition DocumentEditor::Refreshed(const TextPosition& position) {
  // Positions from outside (bookmarks, search results) may be stale.
  const std::int32_t line = std::clamp(position.line, 0, store_.LineCount() - 1);
  const std::int32_t column = std::clamp(position.column, 0, store_.Line(line)->TextLength());
  const line_geometry::ColumnPlace place = layout_.ColumnToX(line, column);
  return {line, column, place.row_end && position.x == 0 ? 0 : place.x};
}

void DocumentEditor::CaretTo(const TextPosition& position) { Collapse(Refreshed(position)); }

void DocumentEditor::Select(const TextPosition& anchor, const TextPosition& caret) {
  const TextPosition placed = Refreshed(caret);
  selection::Set(store_.Selection(), Refreshed(anchor), placed);
  remembered_x_ = placed.x;
}

void DocumentEditor::Collapse(const TextPosition& position) {
  selection::Collapse(store_.Selection(), position);
  remembered_x_ = position.x;
}

void DocumentEditor::NoteInsertedLines() {
  const std::int32_t margin_width = layout_.MarginWidth();
  layout_.NoteLineCount();
  if (layout_.MarginWidth() != margin_width) Refresh(0, 0);
}

void DocumentEditor::Record(UndoRecord* record) {
  const bool was_modified = history_.Modified();
  history_.Append(record);
  parent_.Notify(EDN_CHANGED, 0, 0);
  if (was_modified != history_.Modified()) parent_.Notify(EDN_MODIFIEDCHANGED, 0, 0);
}

void DocumentEditor::Refresh(std::int32_t from_line, std::int32_t margin_columns) {
  if (view_) view_->Refresh(from_line, margin_columns);
}

void DocumentEditor::ClearTagPairHighlight() {
  if (view_) view_->ClearTagPairHighlight();
}
