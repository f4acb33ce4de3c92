// Replacing the selected match and finding the next, and replacing every
// occurrence in the text with one undo step per replacement.
#include <algorithm>

#include "editor/control/document.h"

bool Document::ReplaceSelection(const char16_t* replacement, std::int32_t length, bool redraw) {
  // Inserting over the selection records the deletion and the insertion as
  // a joined pair, taken back by one Undo.
  if (length > 0) return editor_.InsertText(replacement, length, RecordMode::Record, redraw) >= 0;
  return editor_.DeleteSelection(RecordMode::Record, redraw) >= 0;
}

std::int32_t Document::Replace(const char16_t* pattern, std::int32_t length, const char16_t* replacement,
                               std::int32_t replacement_length, bool all) {
  if (!pattern || length <= 0) return 0;
  if (!replacement || replacement_length < 0) replacement_length = 0;
  if (all) return ReplaceAll(pattern, length, replacement, replacement_length);
  bool replaced = false;
  if (store_.Selection().exists) {
    if (SelectionEquals(pattern, length)) {
      replaced = ReplaceSelection(replacement, replacement_length, true);
    } else {
      const TextPosition start = store_.Selection().start;
      navigator_.ShowMove(start, SelectionMode::Collapse, true);
    }
  }
  const bool found = Find(pattern, length, true, false);
  return found || replaced ? 1 : 0;
}

std::int32_t Document::ReplaceAll(const char16_t* pattern, std::int32_t length, const char16_t* replacement,
                                  std::int32_t replacement_length) {
  const TextPosition remembered = store_.Selection().caret;
  if (store_.Selection().exists) navigator_.ClearSelection();
  navigator_.SetCaret(TextPosition{}, SelectionMode::Collapse);
  std::int32_t count = 0;
  TextPosition previous_end;
  while (Find(pattern, length, true, true)) {
    // A match before the last replacement means the search went round the
    // end of the text: everything after the start has been seen.
    if (Precedes(store_.Selection().start, previous_end)) break;
    // A failed edit would find the same match again and again.
    if (!ReplaceSelection(replacement, replacement_length, false)) break;
    ++count;
    previous_end = store_.Selection().caret;
  }
  FinishReplaceAll(remembered, count);
  return count;
}

void Document::FinishReplaceAll(const TextPosition& remembered, std::int32_t count) {
  // Replacements may have joined lines or shortened the caret's line.
  const std::int32_t line = std::min(remembered.line, store_.LineCount() - 1);
  const std::int32_t column = std::min(remembered.column, store_.Line(line)->TextLength());
  const TextPosition caret = editor_.At(line, column);
  navigator_.SetCaret(caret, SelectionMode::Collapse);
  editor_.SetRememberedX(caret.x);
  navigator_.PlaceCaret();
  if (count > 0) {
    ClampAndRepaint(layout_.LocateDisplayRow(layout_.FirstVisibleRow()).line);
    navigator_.MakeCaretVisible(0);
  }
}
