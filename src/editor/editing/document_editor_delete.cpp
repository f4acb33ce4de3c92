// Backspace, Delete and deleting the selection.
#include "editor/editing/document_editor.h"
#include "editor/store/selection.h"

std::int32_t DocumentEditor::DeleteUnit(bool backspace, bool record) {
  ClearTagPairHighlight();
  // Both keys take a selection as a whole; the record of a single unit could
  // not bring the selection back.
  if (store_.Selection().exists) return DeleteSelection(record ? RecordMode::Record : RecordMode::None, record);
  const TextPosition before = store_.Selection().caret;
  const std::int32_t last_line = store_.LineCount() - 1;
  TextPosition at = before;
  if (backspace) {
    if (at.column > 0) {
      at = At(at.line, at.column - 1);
    } else if (at.line > 0) {
      // Onto the previous line's line feed.
      at = At(at.line - 1, store_.Line(at.line - 1)->Length() - 1);
    } else {
      return -1;
    }
  }
  LineRecord* line = store_.Line(at.line);
  if (!line || at.column < 0 || at.column >= line->Length()) return -1;

  UndoRecord* undo = nullptr;
  if (record && !(undo = UndoRecord::Create(UndoKind::UnitDeleted))) return -1;
  char16_t removed_unit = u'\n';
  bool line_removed = false;
  if (line->Length() == 1 && at.line < last_line) {
    // A line holding only its line feed goes as a whole.
    line_removed = store_.RemoveLine(at.line);
  } else if (at.column == line->Length() - 1 && at.line < last_line) {
    // The line feed: the next line joins this one. Its text is appended
    // before the line feed goes, so that a failed append changes nothing.
    LineRecord* next = store_.Line(at.line + 1);
    if (next->Length() > 0 &&
        !store_.InsertUnits(*line, next->MakeContiguous(), next->Length(), TextStore::kEndColumn)) {
      UndoRecord::Destroy(undo);
      return -1;
    }
    store_.DeleteUnits(*line, at.column, 1);
    line_removed = store_.RemoveLine(at.line + 1);
  } else {
    removed_unit = static_cast<char16_t>(store_.DeleteUnits(*line, at.column, 1));
  }
  Collapse(Refreshed(at));
  if (undo) {
    Refresh(at.line, 0);
    undo->unit = removed_unit;
    undo->from = before;
    undo->to = at;
    Record(undo);
  }
  if (line_removed) parent_.Notify(EDN_LINESREMOVED, at.line, 1);
  return at.line;
}

bool DocumentEditor::RemoveRange(const TextPosition& start, const TextPosition& end) {
  LineRecord* first = store_.Line(start.line);
  if (start.line == end.line) {
    return end.column == start.column || store_.DeleteUnits(*first, start.column, end.column - start.column) >= 0;
  }
  LineRecord* last = store_.Line(end.line);
  if (start.column > 0) {
    // The tail of the end line goes in first, then the rest of the first
    // line after it: only the insertion can fail, and it comes first.
    const std::int32_t tail = last->Length() - end.column;
    const std::int32_t rest = first->Length() - start.column;
    if (tail > 0 && !store_.InsertUnits(*first, last->MakeContiguous() + end.column, tail, start.column)) return false;
    store_.DeleteUnits(*first, start.column + tail, rest);
    for (std::int32_t i = start.line; i < end.line; ++i) store_.RemoveLine(start.line + 1);
  } else {
    if (end.column > 0) store_.DeleteUnits(*last, 0, end.column);
    for (std::int32_t i = start.line; i < end.line; ++i) store_.RemoveLine(start.line);
  }
  return true;
}

std::int32_t DocumentEditor::DeleteSelection(RecordMode mode, bool redraw) {
  ClearTagPairHighlight();
  const SelectionState state = store_.Selection();
  if (!state.exists) return -1;
  UndoRecord* undo = nullptr;
  if (mode != RecordMode::None) {
    undo = UndoRecord::Create(UndoKind::SelectionDeleted);
    if (!undo || !store_.SelectionText(undo->text, false)) {
      UndoRecord::Destroy(undo);
      return -1;
    }
  }
  if (!RemoveRange(state.start, state.end)) {
    UndoRecord::Destroy(undo);
    return -1;
  }
  if (undo) {
    undo->from = state.anchor;
    undo->to = state.caret;
    undo->joined = mode == RecordMode::Joined;
    Record(undo);
  }
  Collapse(Refreshed(state.start));
  if (redraw) Refresh(state.start.line, 0);
  const std::int32_t removed_lines = state.end.line - state.start.line;
  if (removed_lines > 0) parent_.Notify(EDN_LINESREMOVED, state.start.line, removed_lines);
  return state.start.line;
}
