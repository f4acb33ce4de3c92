// Dropping a dragged selection where the caret followed the pointer: moved
// (one undo step takes back both halves) or, with Ctrl, copied.
#include <algorithm>

#include "editor/control/document.h"
#include "editor/store/line_record.h"
#include "editor/store/selection.h"

void Document::RestoreSavedCaret() {
  // A key command may have changed the text while the mouse was held.
  const std::int32_t line = std::clamp(saved_caret_.line, 0, store_.LineCount() - 1);
  const std::int32_t column = std::clamp(saved_caret_.column, 0, store_.Line(line)->TextLength());
  const bool inside = line == saved_caret_.line && column == saved_caret_.column;
  navigator_.ShowMove(inside ? saved_caret_ : editor_.At(line, column), SelectionMode::CaretOnly, false);
}

void Document::DropSelection(bool copy) {
  const SelectionState dragged = store_.Selection();
  TextPosition drop = dragged.caret;
  WideString text;
  const bool onto_itself = !Precedes(drop, dragged.start) && !Precedes(dragged.end, drop);
  if (onto_itself || !store_.SelectionText(text, false)) {
    RestoreSavedCaret();
    return;
  }
  RecordMode mode = RecordMode::Record;
  std::int32_t from_line = drop.line;
  if (!copy) {
    if (Precedes(dragged.end, drop)) {
      // The removed text no longer stands before the drop point.
      if (drop.line == dragged.end.line)
        drop.column = drop.column - dragged.end.column + dragged.start.column;
      drop.line -= dragged.end.line - dragged.start.line;
    }
    // The history restores the selection from its anchor to its caret.
    store_.Selection().caret =
        selection::SamePlace(dragged.anchor, dragged.start) ? dragged.end : dragged.start;
    if (editor_.DeleteSelection(RecordMode::Joined, false) < 0) {
      store_.Selection().caret = dragged.caret;
      RestoreSavedCaret();
      return;
    }
    from_line = std::min(dragged.start.line, drop.line);
    mode = RecordMode::Joined;
  }
  editor_.CaretTo(drop);
  const TextPosition at = store_.Selection().caret;
  if (editor_.InsertText(text.Data(), static_cast<std::int32_t>(text.Length()), mode, false, true) >= 0) {
    editor_.Select(at, store_.Selection().caret);
  } else if (!copy) {
    editor_.EndJoinedPair();
  }
  editor_.SetRememberedX(store_.Selection().caret.x);
  Refresh(from_line, 0);
}
