// Arbitrary text painted in every syntax mode: colouring and painting must
// stay in bounds, and a paint resumed from colouring checkpoints must draw
// exactly what a rescan from the top draws. The first bytes choose the
// mode, the view and the highlights; the rest is the text as UTF-16 units.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "editor/paint/colour_checkpoints.h"
#include "editor/paint/marked_lines.h"
#include "editor/layout/metrics_line_layout.h"
#include "editor/paint/text_painter.h"
#include "editor/store/text_store.h"
#include "platform/fixed_text_measurer.h"
#include "platform/recording_canvas.h"

namespace {

TextMetrics& Metrics() {
  static TextMetrics* metrics = [] {
    auto* made = new TextMetrics(std::make_unique<platform::FixedTextMeasurer>());
    if (!made->RebuildFonts()) std::abort();
    return made;
  }();
  return *metrics;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 8;
  if (size < kHeader) return 0;
  const std::uint8_t* h = data;
  std::u16string text((size - kHeader) / 2, u'\0');
  if (!text.empty()) std::memcpy(text.data(), data + kHeader, text.size() * 2);

  TextMetrics& metrics = Metrics();
  MetricsLineLayout layout(metrics);
  const bool wrapped = h[1] & 1;
  TextStore store(layout, wrapped ? 7 * (3 + h[1] / 2 % 20) : 0);
  if (!store.Valid()) return 0;
  TextPosition end;
  if (!store.InsertText({0, 0, 0}, text.data(), static_cast<std::int32_t>(text.size()), &end)) return 0;

  PaintView view;
  view.client_width = 40 + h[2];
  view.client_height = 10 + h[3];
  view.margin_width = 31;
  view.wrapped = wrapped;
  const std::int32_t lines = store.LineCount();
  view.first_line = h[4] % lines;
  view.first_display_row = view.first_line;
  if (wrapped) {
    LineRecord* line = store.Line(0);
    std::int32_t rows = 0;
    for (std::int32_t i = 0; i < view.first_line; ++i, line = line->Next()) rows += line->RowCount();
    view.first_row_in_line = h[5] % line->RowCount();
    view.first_display_row = rows + view.first_row_in_line;
  } else {
    view.horizontal_scroll_pixels = 7 * (h[5] % 8);
  }
  view.caret_line = h[6] % lines;

  MarkedLines marked;
  marked.Add(h[6] % lines);
  TagPairHighlight pair{(h[7] & 1) != 0, {h[4] % lines, 0, 2}, {h[4] % lines, 2, 4}};
  PaintHighlights highlights;
  highlights.has_selection = (h[7] & 2) != 0;
  highlights.selection_start = {0, 0, 0};
  highlights.selection_end = end;
  highlights.word = (h[7] & 4) ? std::u16string_view(u"<a") : std::u16string_view();
  highlights.pair = &pair;
  PaintStyle style{DefaultEditorColours(), (h[7] & 8) != 0};
  const PaintedDocument document{store, static_cast<SyntaxMode>(h[0] % 6),
                                 static_cast<LineBreakStyle>(h[0] / 6 % 3), marked, highlights};

  ColourCheckpoints checkpoints(1 + h[1] / 64);
  RecordingCanvas resumed, rescanned;
  // A first paint at the end fills the checkpoints that the second uses.
  PaintView bottom = view;
  bottom.first_line = lines - 1;
  bottom.first_display_row = wrapped ? store.TotalRows() - 1 : lines - 1;
  bottom.first_row_in_line = wrapped ? store.Line(lines - 1)->RowCount() - 1 : 0;
  text_painter::Paint(resumed, metrics, style, document, bottom, &checkpoints);
  resumed.Clear();
  text_painter::Paint(resumed, metrics, style, document, view, &checkpoints);
  text_painter::Paint(rescanned, metrics, style, document, view, nullptr);
  if (resumed.Calls() != rescanned.Calls()) std::abort();
  return 0;
}
