// Painting the client area through a canvas, and asking the window for
// repaints.
#include <algorithm>

#include "editor/control/document.h"
#include "editor/paint/text_painter.h"

void Document::Paint(Canvas& canvas) {
  const SelectionState& state = store_.Selection();
  PaintHighlights highlights;
  highlights.has_selection = state.exists;
  highlights.selection_start = state.start;
  highlights.selection_end = state.end;
  highlights.word = highlight_word_.View();
  highlights.word_case_sensitive = metrics_.CaseSensitiveSearch();
  highlights.word_pattern = highlight_by_pattern_ ? &highlight_pattern_ : nullptr;
  highlights.pair = &tag_pair_;

  const PaintView view = text_painter::ViewOf(layout_, state.caret.line);

  PaintStyle style;
  style.colours = settings_.colours;
  style.bold_tags = settings_.bold_tags;
  const PaintedDocument document{store_, mode_, file_.line_breaks, marked_lines_, highlights};
  text_painter::Paint(canvas, metrics_, style, document, view, &checkpoints_);
}

void Document::Invalidate(const CanvasRect& area) {
  if (window_ && !area.Empty()) window_->Invalidate(area);
}

void Document::RepaintAll() { Invalidate({0, 0, layout_.ClientWidth(), layout_.ClientHeight()}); }

void Document::RepaintMargin() { Invalidate({0, 0, layout_.MarginWidth(), layout_.ClientHeight()}); }

void Document::InvalidateRows(std::int32_t first, std::int32_t last) {
  if (first > last) std::swap(first, last);
  const std::int32_t top = std::max(0, layout_.RowTop(first));
  const std::int32_t bottom = std::min(layout_.ClientHeight(), layout_.RowTop(last + 1));
  Invalidate({0, top, layout_.ClientWidth(), bottom});
}

void Document::InvalidateLines(std::int32_t first, std::int32_t last) {
  if (first > last) std::swap(first, last);
  first = std::max(first, 0);
  last = std::min(last, store_.LineCount() - 1);
  if (first > last) return;
  std::int32_t top_row = first;
  std::int32_t end_row = last + 1;
  if (layout_.Wrapped()) {
    top_row = layout_.DisplayRowOf(first, 0);
    end_row = layout_.DisplayRowOf(last, 0) + store_.Line(last)->RowCount();
  }
  InvalidateRows(top_row, end_row - 1);
}
