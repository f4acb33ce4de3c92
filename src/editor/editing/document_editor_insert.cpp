// Typing one unit, inserting a text, and automatic indentation.
#include <algorithm>

#include "editor/editing/document_editor.h"
#include "editor/store/selection.h"
#include "platform/wide_string.h"

bool DocumentEditor::DeleteReplacedSelection(RecordMode& mode) {
  const bool recording = mode != RecordMode::None;
  if (DeleteSelection(recording ? RecordMode::Joined : RecordMode::None, false) < 0) return false;
  if (recording) mode = RecordMode::Joined;
  return true;
}

std::int32_t DocumentEditor::InsertUnit(char16_t unit, RecordMode mode) {
  ClearTagPairHighlight();
  if (unit == u'\r') return -1;  // line breaks are stored as line feeds only
  UndoRecord* undo = nullptr;
  if (mode != RecordMode::None && !(undo = UndoRecord::Create(UndoKind::UnitInserted))) return -1;
  const bool replaced = store_.Selection().exists;
  if (replaced && !DeleteReplacedSelection(mode)) {
    UndoRecord::Destroy(undo);
    return -1;
  }
  const TextPosition caret = store_.Selection().caret;
  TextPosition after;
  bool inserted;
  if (unit == u'\n') {
    inserted = store_.SplitAtCaret(caret) != nullptr;
    if (inserted) NoteInsertedLines();
    after = {caret.line + 1, 0, 0};
  } else {
    inserted = store_.InsertUnits(*store_.Line(caret.line), &unit, 1, caret.column);
    if (inserted) after = At(caret.line, caret.column + 1);
  }
  if (!inserted) {
    // The deletion recorded above now stands alone.
    if (replaced && undo) history_.Current()->joined = false;
    UndoRecord::Destroy(undo);
    return -1;
  }
  if (undo) {
    undo->unit = unit;
    undo->from = caret;
    undo->to = after;
    undo->joined = mode == RecordMode::Joined;
    Record(undo);
  }
  Collapse(after);
  if (mode != RecordMode::None) Refresh(caret.line, 2);
  if (unit == u'\n') parent_.Notify(EDN_LINESINSERTED, caret.line, 1);
  return caret.line;
}

TextPosition DocumentEditor::NormalisedTarget(const TextPosition& target) {
  const std::int32_t last_line = store_.LineCount() - 1;
  std::int32_t line = std::clamp(target.line, 0, last_line);
  std::int32_t column = target.column;
  // Each line end counts as one unit when moving across lines.
  while (column < 0) {
    if (line == 0) {
      column = 0;
      break;
    }
    --line;
    column += store_.Line(line)->Length();
  }
  for (;;) {
    const std::int32_t text_length = store_.Line(line)->TextLength();
    if (column <= text_length) break;
    if (line == last_line) {
      column = text_length;
      break;
    }
    column -= text_length + 1;
    ++line;
  }
  return At(line, column);
}

std::int32_t DocumentEditor::InsertText(const char16_t* text, std::int32_t length, RecordMode mode, bool redraw,
                                        bool select_after_redo, const TextPosition* target) {
  ClearTagPairHighlight();
  if (length < 0 || (length > 0 && !text)) return -1;
  const auto line_feeds = static_cast<std::int32_t>(std::count(text, text + length, u'\n'));
  const auto units = length - static_cast<std::int32_t>(std::count(text, text + length, u'\r'));
  if (units == 0) {
    // Nothing to insert: at most the selection goes, as a change of its own.
    return store_.Selection().exists ? DeleteSelection(mode, redraw) : -1;
  }
  UndoRecord* undo = nullptr;
  if (mode != RecordMode::None) {
    undo = UndoRecord::Create(UndoKind::TextInserted);
    bool copied = undo && undo->text.Reserve(static_cast<std::uint32_t>(units));
    for (std::int32_t i = 0; copied && i < length; ++i) {
      if (text[i] != u'\r') copied = undo->text.Append(text[i]);
    }
    if (!copied) {
      UndoRecord::Destroy(undo);
      return -1;
    }
  }
  const bool replaced = store_.Selection().exists;
  if (replaced && !DeleteReplacedSelection(mode)) {
    UndoRecord::Destroy(undo);
    return -1;
  }
  const TextPosition start = store_.Selection().caret;
  TextPosition end;
  if (!store_.InsertText(start, text, length, &end)) {
    if (replaced && undo) history_.Current()->joined = false;
    UndoRecord::Destroy(undo);
    return -1;
  }
  if (line_feeds > 0) NoteInsertedLines();
  end = At(end.line, end.column);
  if (undo) {
    undo->from = start;
    undo->to = end;
    undo->joined = mode == RecordMode::Joined;
    undo->select_after_redo = select_after_redo;
    undo->has_target = target != nullptr;
    if (target) undo->target = {target->line, target->column, 0};
    Record(undo);
  }
  Collapse(target ? NormalisedTarget(*target) : end);
  if (redraw) Refresh(start.line, 2);
  if (line_feeds > 0) parent_.Notify(EDN_LINESINSERTED, start.line, line_feeds);
  return start.line;
}

bool DocumentEditor::AutoIndent() {
  const TextPosition caret = store_.Selection().caret;
  if (caret.column == 0) return false;
  LineRecord* line = store_.Line(caret.line);
  std::int32_t tabs = 0;
  while (line->UnitAt(tabs) == u'\t') ++tabs;
  if (tabs == 0) return false;
  WideString indent;
  if (!indent.Append(u'\n')) return false;
  for (std::int32_t i = 0; i < tabs; ++i) {
    if (!indent.Append(u'\t')) return false;
  }
  return InsertText(indent.Data(), static_cast<std::int32_t>(indent.Length()), RecordMode::Record, true) >= 0;
}
