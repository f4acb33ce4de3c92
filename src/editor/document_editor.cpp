#include "editor/document_editor.h"

#include "editor/selection.h"

DocumentEditor::DocumentEditor(TextStore& store, ColumnGeometry& geometry, EditorParent& parent, EditorView* view)
    : store_(store), geometry_(geometry), parent_(parent), view_(view) {}

TextPosition DocumentEditor::At(std::int32_t line, std::int32_t column) {
  return {line, column, geometry_.ColumnToX(*store_.Line(line), column).x};
}

TextPosition DocumentEditor::Refreshed(const TextPosition& position) {
  const ColumnX place = geometry_.ColumnToX(*store_.Line(position.line), position.column);
  return {position.line, position.column, place.row_end && position.x == 0 ? 0 : place.x};
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
