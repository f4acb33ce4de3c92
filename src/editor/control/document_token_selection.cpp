// Selecting the HTML construct under the pointer: a Ctrl+click, a Ctrl+drag
// growing by whole tokens, and the frame's select-token command.
#include <algorithm>
#include <string>

#include "editor/control/document.h"
#include "editor/html/html_token.h"
#include "editor/store/line_record.h"

bool Document::TokenAt(std::int32_t line, TokenRange& range) {
  LineRecord* record = store_.Line(line);
  if (!record || record->Width() == 0) return false;
  std::u16string units(static_cast<std::size_t>(record->Length()), u'\0');
  if (!record->CopyUnits(0, record->Length(), units.data())) return false;
  std::int32_t hit = navigator_.HitUnit();
  html_token::Span span;
  if (!html_token::Find(units, hit, span)) return false;
  navigator_.SetHitUnit(hit);
  const line_geometry::ColumnPlace start = layout_.ColumnToX(line, span.start);
  // A start at the end of a wrapped row shows at the start of the next.
  range = {line, span.start, start.row_end ? 0 : start.x, span.end, layout_.ColumnToX(line, span.end).x};
  return true;
}

bool Document::SelectTokenSpan(const TextPosition& anchor, const TextPosition& caret) {
  const SelectionState& selection = store_.Selection();
  // The old selection's rows go too: the anchor moves under them.
  if (selection.exists)
    InvalidateLines(std::min(selection.anchor.line, selection.caret.line),
                    std::max(selection.anchor.line, selection.caret.line));
  store_.Selection().anchor = anchor;
  navigator_.ShowMove(caret, SelectionMode::Extend, true);
  return navigator_.MakeCaretVisible(0);
}

bool Document::TokenSelection(std::int32_t line) {
  TokenRange range;
  if (!TokenAt(line, range)) return false;
  token_current_ = range;
  if (token_mode_) return true;
  navigator_.ShowMove({line, range.start, range.start_x}, SelectionMode::Collapse, false);
  SelectTokenSpan({line, range.start, range.start_x}, {line, range.end, range.end_x});
  token_mode_ = true;
  return true;
}

bool Document::StartTokenSelection() {
  const bool found = TokenSelection(store_.Selection().caret.line);
  if (token_mode_) token_saved_ = token_current_;
  return found;
}

bool Document::SelectToken() {
  const bool found = StartTokenSelection();
  // Growing by tokens needs the left button held; a later click must not
  // find the mode still on.
  if (!holds_mouse_ || settings_.mouse_state != MouseState::LeftPressed) token_mode_ = false;
  return found;
}

void Document::TokenDragStep(const TextPosition& hit, const PointerPoint& point) {
  const TokenRange saved = token_saved_;
  if (saved.Holds(hit)) {
    if (token_current_ == saved) return;
    token_current_ = saved;
    if (SelectTokenSpan({saved.line, saved.start, saved.start_x}, {saved.line, saved.end, saved.end_x}))
      ContinueAutoScroll(point);
    return;
  }
  if (token_current_.Holds(hit)) return;
  TokenRange found;
  if (!TokenAt(hit.line, found)) return;
  token_current_ = found;
  const bool before = found.line < saved.line || (found.line == saved.line && found.start < saved.start);
  const bool scrolled =
      before ? SelectTokenSpan({saved.line, saved.end, saved.end_x}, {found.line, found.start, found.start_x})
             : SelectTokenSpan({saved.line, saved.start, saved.start_x}, {found.line, found.end, found.end_x});
  if (scrolled) ContinueAutoScroll(point);
}
