// Undo and redo: applying the recorded edits backwards and forwards.
#include <algorithm>

#include "editor/editing/document_editor.h"

std::int32_t DocumentEditor::Apply(UndoRecord& record, bool redo) {
  const TextPosition& from = record.from;
  const TextPosition& to = record.to;
  const TextPosition& earlier = Precedes(to, from) ? to : from;
  const auto text_length = static_cast<std::int32_t>(record.text.Length());
  switch (record.kind) {
    case UndoKind::UnitDeleted: {
      CaretTo(to);
      if (redo) return DeleteUnit(false, false);
      const std::int32_t line = InsertUnit(record.unit, RecordMode::None);
      CaretTo(from);
      return line;
    }
    case UndoKind::UnitInserted:
      if (redo) {
        CaretTo(from);
        return InsertUnit(record.unit, RecordMode::None);
      }
      CaretTo(to);
      return DeleteUnit(true, false);
    case UndoKind::LinesIndented:
    case UndoKind::LinesUnindented: {
      const bool indent = (record.kind == UndoKind::LinesIndented) == redo;
      if (redo) {
        Select(from, to);
        return indent ? IndentLines(record.LineFlags(), false) : UnindentLines(false);
      }
      // The recorded positions belong to the text before the edit: the lines
      // come from them first, then they are selected exactly as they were.
      const LineSpan span = AffectedLines(earlier, Precedes(to, from) ? from : to);
      const bool applied = indent ? AddLeadingTabs(span, record.LineFlags())
                                  : RemoveLeadingTabs(span, record.LineFlags(), nullptr);
      Select(from, to);
      return applied ? span.first : -1;
    }
    case UndoKind::SelectionDeleted:
      if (redo) {
        Select(from, to);
        return DeleteSelection(RecordMode::None, false);
      } else {
        CaretTo(earlier);
        const std::int32_t line = InsertText(record.text.Data(), text_length, RecordMode::None, false);
        Select(from, to);
        return line;
      }
    case UndoKind::TextInserted:
      if (redo) {
        CaretTo(earlier);
        const std::int32_t line = InsertText(record.text.Data(), text_length, RecordMode::None, false, false,
                                             record.has_target ? &record.target : nullptr);
        if (record.select_after_redo) Select(from, to);
        return line;
      }
      Select(from, to);
      return DeleteSelection(RecordMode::None, false);
  }
  return -1;
}

std::int32_t DocumentEditor::Step(bool redo, std::int32_t& lowest_changed_line) {
  UndoRecord* record = redo ? history_.StepForward() : history_.StepBack();
  if (!record) return 0;
  const std::int32_t line = Apply(*record, redo);
  if (line < 0) return 0;
  lowest_changed_line = std::min(lowest_changed_line, line);
  return record->joined ? 2 : 1;
}

bool DocumentEditor::UndoOrRedo(bool redo) {
  if (!history_.Current() || !(redo ? history_.CanRedo() : history_.CanUndo())) return false;
  const bool was_modified = history_.Modified();
  const SelectionState& state = store_.Selection();
  std::int32_t lowest_changed_line = std::min(state.caret.line, state.anchor.line);
  if (Step(redo, lowest_changed_line) == 2 && history_.Current()) Step(redo, lowest_changed_line);
  Refresh(lowest_changed_line, 0);
  parent_.Notify(EDN_CHANGED, 0, 0);
  if (was_modified != history_.Modified()) parent_.Notify(EDN_MODIFIEDCHANGED, 0, 0);
  return true;
}

bool DocumentEditor::Undo() { return UndoOrRedo(false); }
bool DocumentEditor::Redo() { return UndoOrRedo(true); }

void DocumentEditor::EndJoinedPair() {
  if (UndoRecord* last = history_.Current()) last->joined = false;
}
