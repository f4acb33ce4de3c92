// Indenting and unindenting the selected lines with leading tabs.
#include <algorithm>

#include "editor/editing/document_editor.h"
#include "editor/store/selection.h"

DocumentEditor::LineSpan DocumentEditor::AffectedLines(const TextPosition& start, const TextPosition& end) {
  // A selection ending at column 0 leaves that line alone.
  return {start.line, end.column == 0 ? end.line - 1 : end.line};
}

bool DocumentEditor::StartsWithTab(std::int32_t line) { return store_.Line(line)->UnitAt(0) == u'\t'; }

bool DocumentEditor::AddLeadingTabs(LineSpan span, const std::uint8_t* flags) {
  static const char16_t kTab = u'\t';
  bool any = false;
  for (std::int32_t line = span.first; line <= span.last; ++line) {
    if (flags && !flags[line - span.first]) continue;
    if (!store_.InsertUnits(*store_.Line(line), &kTab, 1, 0)) {
      for (std::int32_t done = span.first; done < line; ++done) {
        if (!flags || flags[done - span.first]) store_.DeleteUnits(*store_.Line(done), 0, 1);
      }
      return false;
    }
    any = true;
  }
  return any;
}

bool DocumentEditor::RemoveLeadingTabs(LineSpan span, const std::uint8_t* flags, std::uint8_t* removed) {
  bool any = false;
  for (std::int32_t line = span.first; line <= span.last; ++line) {
    const bool tab = (!flags || flags[line - span.first]) && StartsWithTab(line);
    if (tab) store_.DeleteUnits(*store_.Line(line), 0, 1);
    if (removed) removed[line - span.first] = tab ? 1 : 0;
    any = any || tab;
  }
  return any;
}

void DocumentEditor::ShiftSelection(bool anchor_line_changed, bool caret_line_changed, std::int32_t delta) {
  TextPosition anchor = store_.Selection().anchor;
  TextPosition caret = store_.Selection().caret;
  if (anchor_line_changed && anchor.column > 0) anchor = At(anchor.line, anchor.column + delta);
  if (caret_line_changed && caret.column > 0) caret = At(caret.line, caret.column + delta);
  selection::Set(store_.Selection(), anchor, caret);
  remembered_x_ = caret.x;
}

void DocumentEditor::RecordWithSelection(UndoRecord* undo, const SelectionState& before) {
  if (!undo) return;
  undo->from = before.anchor;
  undo->to = before.caret;
  Record(undo);
}

std::int32_t DocumentEditor::IndentLines(const std::uint8_t* line_flags, bool record) {
  ClearTagPairHighlight();
  const SelectionState state = store_.Selection();
  const LineSpan span = AffectedLines(state.start, state.end);
  if (span.last < span.first) return -1;
  UndoRecord* undo = nullptr;
  if (record) {
    // Undo must take the tabs from the same lines.
    const std::int32_t lines = span.last - span.first + 1;
    undo = UndoRecord::Create(UndoKind::LinesIndented);
    if (!undo || (line_flags && !undo->AllocateLineFlags(lines))) {
      UndoRecord::Destroy(undo);
      return -1;
    }
    if (line_flags) std::copy(line_flags, line_flags + lines, undo->LineFlags());
  }
  if (!AddLeadingTabs(span, line_flags)) {
    UndoRecord::Destroy(undo);
    return -1;
  }
  RecordWithSelection(undo, state);
  const auto indented = [&](std::int32_t line) {
    return line >= span.first && line <= span.last && (!line_flags || line_flags[line - span.first]);
  };
  ShiftSelection(indented(state.anchor.line), indented(state.caret.line), 1);
  if (record) Refresh(state.start.line, 0);
  return state.start.line;
}

std::int32_t DocumentEditor::UnindentLines(bool record) {
  ClearTagPairHighlight();
  const SelectionState state = store_.Selection();
  const LineSpan span = AffectedLines(state.start, state.end);
  if (span.last < span.first) return -1;
  const auto loses_tab = [&](std::int32_t line) {
    return line >= span.first && line <= span.last && StartsWithTab(line);
  };
  const bool anchor_line_changed = loses_tab(state.anchor.line);
  const bool caret_line_changed = loses_tab(state.caret.line);
  UndoRecord* undo = nullptr;
  if (record) {
    undo = UndoRecord::Create(UndoKind::LinesUnindented);
    if (!undo || !undo->AllocateLineFlags(span.last - span.first + 1)) {
      UndoRecord::Destroy(undo);
      return -1;
    }
  }
  if (!RemoveLeadingTabs(span, nullptr, undo ? undo->LineFlags() : nullptr)) {
    UndoRecord::Destroy(undo);
    return -1;
  }
  RecordWithSelection(undo, state);
  ShiftSelection(anchor_line_changed, caret_line_changed, -1);
  if (record) Refresh(state.start.line, 0);
  return state.start.line;
}
