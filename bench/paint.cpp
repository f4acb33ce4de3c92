// Painting a full screen at the end of a large HTML document against the
// same at its top, and typing a character there and repainting. Prints
// key=value lines; paint_end_vs_top and type_end_vs_top are the end's time
// over the top's (the colouring checkpoints aim at 2 or less), and
// paint_end_rescan_vs_top shows what a rescan from the top would cost.
// Drawing goes to a canvas that only counts, so the ratios show the
// colouring and layout work, not a device's. A second page of the same
// size, mostly script elements, gives script_paint_end_vs_top and
// script_type_end_vs_top the same way.
// Usage: bench_paint [lines]  (2 million lines, about 100 MB, by default)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "editor/paint/colour_checkpoints.h"
#include "editor/layout/document_layout.h"
#include "editor/paint/marked_lines.h"
#include "editor/layout/metrics_line_layout.h"
#include "editor/paint/text_painter.h"
#include "platform/fixed_text_measurer.h"

namespace {

class CountingCanvas : public Canvas {
 public:
  void DrawText(std::int32_t, std::int32_t, const char16_t*, std::int32_t count, const std::int32_t*,
                const TextStyle&) override {
    units += count;
    ++calls;
  }
  void FillRect(const CanvasRect&, Colour) override { ++calls; }
  void DrawLine(std::int32_t, std::int32_t, std::int32_t, std::int32_t, Colour) override { ++calls; }
  std::int64_t units = 0;
  std::int64_t calls = 0;
};

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

struct Bench {
  explicit Bench(TextMetrics& metrics) : layout(metrics), store(layout, 0), view(store, metrics, false) {}
  MetricsLineLayout layout;
  TextStore store;
  DocumentLayout view;
  ColourCheckpoints checkpoints;
  MarkedLines marked;
  PaintHighlights highlights;
  PaintStyle style{DefaultEditorColours(), false};
  CountingCanvas canvas;
};

double PaintMs(Bench& bench, TextMetrics& metrics, ColourCheckpoints* checkpoints) {
  const PaintedDocument document{bench.store, kSyntaxHtml, kCrLf, bench.marked, bench.highlights};
  const auto start = std::chrono::steady_clock::now();
  text_painter::Paint(bench.canvas, metrics, bench.style, document, text_painter::ViewOf(bench.view, 0), checkpoints);
  return Milliseconds(start);
}

// The best of several paints at the line on top.
double BestPaintMs(Bench& bench, TextMetrics& metrics, std::int32_t top, int runs) {
  bench.view.ScrollTo(top, 0);
  double best = 1e300;
  for (int run = 0; run < runs; ++run) best = std::min(best, PaintMs(bench, metrics, &bench.checkpoints));
  return best;
}

// Types a character a few lines below the top, finds the caret's display
// row and repaints, then takes it back; the best of several.
double BestTypeMs(Bench& bench, TextMetrics& metrics, std::int32_t top, int runs) {
  bench.view.ScrollTo(top, 0);
  const std::int32_t line_index = bench.view.LocateDisplayRow(bench.view.FirstVisibleRow()).line + 3;
  double best = 1e300;
  for (int run = 0; run < runs; ++run) {
    LineRecord& line = *bench.store.Line(line_index);
    const auto start = std::chrono::steady_clock::now();
    if (!bench.store.InsertUnits(line, u"x", 1, 5)) std::exit(1);
    if (bench.view.DisplayRowOf(line_index, 6) < top) std::exit(1);
    bench.checkpoints.InvalidateFrom(line_index);
    PaintMs(bench, metrics, &bench.checkpoints);
    best = std::min(best, Milliseconds(start));
    bench.store.DeleteUnits(line, 5, 1);
    bench.checkpoints.InvalidateFrom(line_index);
  }
  return best;
}

// Fills the store with the samples in turn; the text's units, or -1.
template <std::size_t N>
std::int64_t FillPage(Bench& bench, const std::u16string (&samples)[N], std::int32_t line_count) {
  std::int64_t units = 0;
  for (std::int32_t i = 0; i < line_count; ++i) {
    const std::u16string& text = samples[i % N];
    if (!bench.store.AppendToLastLine(text.data(), std::int32_t(text.size()))) return -1;
    if (i + 1 < line_count && !bench.store.EndLastLine()) return -1;
    units += std::int64_t(text.size()) + 1;
  }
  bench.store.FinishLoading();
  return units;
}

// The end view's top line sits just above a checkpoint, the worst case.
std::int32_t EndTop(Bench& bench, std::int32_t line_count) {
  const std::int32_t spacing = ColourCheckpoints::kDefaultSpacing;
  const std::int32_t end_top = std::max(0, line_count - bench.view.VisibleRows());
  return std::max(0, end_top - end_top % spacing - 1);
}

// The unwrapped figures of a page: paints and typing at the top and at the
// end, the end's first paint filling the checkpoints on the way.
struct Unwrapped {
  double top_ms, first_end_ms, end_ms, rescan_ms, type_top_ms, type_end_ms;
};

Unwrapped MeasureUnwrapped(Bench& bench, TextMetrics& metrics, std::int32_t end_top) {
  Unwrapped figures{};
  figures.top_ms = BestPaintMs(bench, metrics, 0, 20);
  bench.view.ScrollTo(end_top, 0);
  figures.first_end_ms = PaintMs(bench, metrics, &bench.checkpoints);
  figures.end_ms = BestPaintMs(bench, metrics, end_top, 20);
  bench.view.ScrollTo(end_top, 0);
  figures.rescan_ms = PaintMs(bench, metrics, nullptr);
  figures.type_top_ms = BestTypeMs(bench, metrics, 0, 20);
  figures.type_end_ms = BestTypeMs(bench, metrics, end_top, 20);
  return figures;
}

// Script elements with templates nested in templates, one running over
// several lines, regular expressions, numbers and comments.
int ScriptPage(TextMetrics& metrics, std::int32_t line_count) {
  const std::u16string samples[] = {
      u"<script type=\"module\">",
      u"  import { render } from \"./view.js\"; // the entry",
      u"  const items = [1, 2.5e3, 0x1F, 10n].map((n) => n * 2 / 3);",
      u"  const list = `<ul>${items.map((i) => `<li class=\"${i > 2 ? \"big\" : 'small'}\">${i}</li>`).join(\"\")}</ul>`;",
      u"  if (/^\\d+$/.test(name) && count !== null) { return render(list); }",
      u"  const page = `",
      u"    <div>${ items.length } of ${ { a: 1 }.a }</div>",
      u"  `; /* a block comment",
      u"  across lines */ let s = 'it\\'s';",
      u"</script>",
      u"<p>Some text &amp; a number 12345 here.</p>",
  };
  Bench bench(metrics);
  if (!bench.store.Valid() || FillPage(bench, samples, line_count) < 0) return 1;
  if (!bench.view.Resize(1280, 1000)) return 1;
  const Unwrapped figures = MeasureUnwrapped(bench, metrics, EndTop(bench, line_count));
  std::printf("script_paint_top_ms=%.3f\n", figures.top_ms);
  std::printf("script_paint_end_ms=%.3f\n", figures.end_ms);
  std::printf("script_paint_end_rescan_ms=%.1f\n", figures.rescan_ms);
  std::printf("script_type_top_ms=%.3f\n", figures.type_top_ms);
  std::printf("script_type_end_ms=%.3f\n", figures.type_end_ms);
  std::printf("script_paint_end_vs_top=%.2f\n", figures.end_ms / figures.top_ms);
  std::printf("script_type_end_vs_top=%.2f\n", figures.type_end_ms / figures.type_top_ms);
  return 0;
}

int HtmlPage(TextMetrics& metrics, std::int32_t line_count) {
  Bench bench(metrics);
  if (!bench.store.Valid()) return 1;

  const std::u16string samples[] = {
      u"  <p class=\"item\">Some text &amp; number 12345 here.</p>",
      u"\t<a href=\"/index.html\">\u65E5\u672C\u8A9E\u306E\u30DA\u30FC\u30B8</a> <!-- note",
      u"  more of the comment --> <div id=\"x\"><?php echo 'a'; ?></div>",
  };
  const std::int64_t units = FillPage(bench, samples, line_count);
  if (units < 0 || !bench.view.Resize(1280, 1000)) return 1;
  const auto [top_ms, first_end_ms, end_ms, rescan_ms, type_top_ms, type_end_ms] =
      MeasureUnwrapped(bench, metrics, EndTop(bench, line_count));

  std::printf("lines=%d\n", int(bench.store.LineCount()));
  std::printf("text_units=%lld\n", static_cast<long long>(units));
  std::printf("visible_rows=%d\n", int(bench.view.VisibleRows()));
  std::printf("paint_top_ms=%.3f\n", top_ms);
  std::printf("paint_end_ms=%.3f\n", end_ms);
  std::printf("first_paint_end_ms=%.1f\n", first_end_ms);
  std::printf("paint_end_rescan_ms=%.1f\n", rescan_ms);
  std::printf("type_top_ms=%.3f\n", type_top_ms);
  std::printf("type_end_ms=%.3f\n", type_end_ms);
  std::printf("paint_end_vs_top=%.2f\n", end_ms / top_ms);
  std::printf("type_end_vs_top=%.2f\n", type_end_ms / type_top_ms);
  std::printf("paint_end_rescan_vs_top=%.1f\n", rescan_ms / top_ms);

  // Wrapped, narrow enough for every line to take several rows: the top
  // row must be found among the display rows, and the caret's row too.
  if (!bench.view.SetWrapped(true) || !bench.view.Resize(300, 1000)) return 1;
  const std::int32_t wrapped_end_top = std::max(0, bench.store.TotalRows() - bench.view.VisibleRows());
  const double wrapped_top_ms = BestPaintMs(bench, metrics, 0, 20);
  const double wrapped_end_ms = BestPaintMs(bench, metrics, wrapped_end_top, 20);
  const double wrapped_type_top_ms = BestTypeMs(bench, metrics, 0, 20);
  const double wrapped_type_end_ms = BestTypeMs(bench, metrics, wrapped_end_top, 20);
  std::printf("wrapped_rows=%d\n", int(bench.store.TotalRows()));
  std::printf("wrapped_paint_top_ms=%.3f\n", wrapped_top_ms);
  std::printf("wrapped_paint_end_ms=%.3f\n", wrapped_end_ms);
  std::printf("wrapped_type_top_ms=%.3f\n", wrapped_type_top_ms);
  std::printf("wrapped_type_end_ms=%.3f\n", wrapped_type_end_ms);
  std::printf("wrapped_paint_end_vs_top=%.2f\n", wrapped_end_ms / wrapped_top_ms);
  std::printf("wrapped_type_end_vs_top=%.2f\n", wrapped_type_end_ms / wrapped_type_top_ms);
  std::printf("drawn_units=%lld\n", static_cast<long long>(bench.canvas.units));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::int32_t line_count = argc > 1 ? std::atoi(argv[1]) : 2000000;
  TextMetrics metrics(std::make_unique<platform::FixedTextMeasurer>());
  if (!metrics.RebuildFonts()) return 1;
  if (const int failed = HtmlPage(metrics, line_count)) return failed;
  return ScriptPage(metrics, line_count);
}
