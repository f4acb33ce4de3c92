#pragma once
// Paints an editor control's client area through a Canvas: the visible rows
// with syntax colours and highlights, the marks of tabs, line ends and
// full-width spaces, the line-number margin and "[EOF]". Runs of units in
// the same colours are drawn with one call.
#include <cstdint>

#include "platform/encoding.h"
#include "editor/paint/editor_colours.h"
#include "editor/paint/paint_highlights.h"
#include "editor/layout/text_metrics.h"
#include "editor/paint/syntax_mode.h"
#include "platform/canvas.h"

class ColourCheckpoints;
class DocumentLayout;
class MarkedLines;
class TextStore;

// Where the view stands and how large it is.
struct PaintView {
  std::int32_t client_width = 0;
  std::int32_t client_height = 0;
  std::int32_t margin_width = 0;
  bool wrapped = false;
  // The first visible row: its line, its index among that line's rows (0
  // unwrapped) and among all display rows (the line itself unwrapped).
  std::int32_t first_line = 0;
  std::int32_t first_row_in_line = 0;
  std::int32_t first_display_row = 0;
  std::int32_t horizontal_scroll_pixels = 0;  // 0 when wrapped
  std::int32_t caret_line = 0;
};

// What of a document painting reads.
struct PaintedDocument {
  TextStore& store;
  SyntaxMode mode;
  LineBreakStyle line_break_style;
  const MarkedLines& marked_lines;
  const PaintHighlights& highlights;
};

struct PaintStyle {
  EditorColours colours;
  bool bold_tags = false;  // "div" tags in the bold font
};

namespace text_painter {

// The view of a document's layout as painting needs it.
PaintView ViewOf(DocumentLayout& layout, std::int32_t caret_line);

// Paints the whole client area. With checkpoints the colouring resumes from
// the nearest one above the view; without, it runs from the top of the
// document. Both draw exactly the same.
void Paint(Canvas& canvas, TextMetrics& metrics, const PaintStyle& style, const PaintedDocument& document,
           const PaintView& view, ColourCheckpoints* checkpoints);

// Only the line-number margin of the visible rows (after the caret line or
// the marked lines changed).
void PaintMargin(Canvas& canvas, TextMetrics& metrics, const PaintStyle& style, const PaintedDocument& document,
                 const PaintView& view);

}  // namespace text_painter
