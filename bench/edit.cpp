// Editing benchmark. Prints key=value lines, each ratio against a reference
// measured in the same run:
// - typing_end_vs_start: time per unit of the last 100,000 of a million
//   units typed one at a time at one place in a large document over that of
//   the first 100,000 (1 = no slower at the end), each the median of ten
//   batches; typing_end_vs_start_of_means takes the means instead;
// - long_line_middle_vs_end: time per unit typed in the middle of one long
//   line over that of typing at its end (1 = the place costs nothing);
// - undo_redo_100k_vs_10k: time per step of undoing and redoing 100,000
//   edits over that of 10,000, each the best of five (1 = linear);
// - rewrap_speed_vs_measure: one plain measuring pass over a document of
//   many lines over re-wrapping it on a resize (1 = as fast as measuring;
//   0.5 or more is the aim). divide_ms is the row division alone, without
//   storing the rows in the lines.
// Usage: bench_edit [megabytes] [rewrap_lines]  (100 and 2 million by default)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/bench_document.h"
#include "common/rewrap_bench.h"
#include "common/typing_bench.h"
#include "common/undo_bench.h"

namespace {

bool TypingAndUndo(std::int64_t megabytes) {
  bench::Document document(false);
  const std::u16string line = u"  <li><a href=\"/page.html\">A link to a page</a> and some text</li>";
  const std::int64_t lines = megabytes * 1024 * 1024 / (2 * static_cast<std::int64_t>(line.size() + 1));
  if (!document.Valid() || !document.Fill(lines, &line, 1)) return false;
  DocumentEditor& editor = document.editor;
  editor.CaretTo(editor.At(static_cast<std::int32_t>(lines / 2), 10));
  // A million units: the first and the last 100,000 in batches of 10,000.
  constexpr std::int32_t kBatches = 10;
  constexpr std::int32_t kBatch = 10000;
  constexpr std::int32_t kBetween = 1000000 - 2 * kBatches * kBatch;
  std::int32_t typed = 0;
  const bench::TypingSample start = bench::TypeInBatches(editor, kBatches, kBatch, typed);
  const bool between_ok = bench::TypeAtCaret(editor, kBetween, typed, true) > 0;
  const bench::TypingSample end = bench::TypeInBatches(editor, kBatches, kBatch, typed);
  if (start.median <= 0 || !between_ok || end.median <= 0) return false;
  std::printf("document_lines=%lld\n", static_cast<long long>(lines));
  std::printf("typing_start_ns_per_unit=%.0f\n", start.median * 1e9);
  std::printf("typing_end_ns_per_unit=%.0f\n", end.median * 1e9);
  std::printf("typing_end_vs_start=%.3f\n", end.median / start.median);
  std::printf("typing_end_vs_start_of_means=%.3f\n", end.mean / start.mean);

  const bench::UndoFigures undo = bench::UndoRedoFewAndMany(editor, 10000, 100000);
  if (undo.few <= 0) return false;
  std::printf("undo_redo_ns_per_step=%.0f\n", undo.many * 1e9);
  std::printf("undo_redo_100k_vs_10k=%.3f\n", undo.many / undo.few);
  return true;
}

bool TypingInALongLine() {
  constexpr std::int32_t kLineUnits = 200000;
  constexpr std::int32_t kTyped = 2000;
  bench::Document document(false);
  std::u16string line;
  while (line.size() < kLineUnits) line += u"<span class=\"word\">minified</span>";
  line.resize(kLineUnits);
  if (!document.Valid() || !document.Fill(1, &line, 1)) return false;
  DocumentEditor& editor = document.editor;
  std::int32_t typed = 0;
  editor.CaretTo(editor.At(0, kLineUnits / 2));
  const double middle_per_unit = bench::TypeAtCaret(editor, kTyped, typed, false);
  editor.CaretTo(editor.At(0, kLineUnits + kTyped));
  const double end_per_unit = bench::TypeAtCaret(editor, kTyped, typed, false);
  if (middle_per_unit <= 0 || end_per_unit <= 0) return false;
  std::printf("long_line_units=%d\n", kLineUnits);
  std::printf("long_line_middle_ns_per_unit=%.0f\n", middle_per_unit * 1e9);
  std::printf("long_line_end_ns_per_unit=%.0f\n", end_per_unit * 1e9);
  std::printf("long_line_middle_vs_end=%.3f\n", middle_per_unit / end_per_unit);
  return true;
}

bool Rewrap(std::int32_t line_count) {
  bench::Document document(true);
  const std::u16string samples[] = {
      u"  <p class=\"item\">Some text, number 12345 here.</p>",
      u"\t<a href=\"/index.html\">\u65E5\u672C\u8A9E\u306E\u30DA\u30FC\u30B8</a>",
      u"body { margin: 0; padding: 4px 8px; color: #333; }",
  };
  if (!document.Valid() || !document.Fill(line_count, samples, 3)) return false;
  const bench::RewrapFigures figures = bench::MeasureRewrap(document);
  if (!figures.ok) return false;
  std::printf("rewrap_lines=%d\n", static_cast<int>(document.store.LineCount()));
  std::printf("display_rows=%d\n", static_cast<int>(document.store.TotalRows()));
  std::printf("measure_ms=%.1f\n", figures.measure_seconds * 1e3);
  std::printf("divide_ms=%.1f\n", figures.divide_seconds * 1e3);
  std::printf("rewrap_ms=%.1f\n", figures.rewrap_seconds * 1e3);
  std::printf("rewrap_speed_vs_measure=%.2f\n", figures.measure_seconds / figures.rewrap_seconds);
  std::printf("checksum=%lld\n", static_cast<long long>(figures.checksum));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::int64_t megabytes = argc > 1 ? std::atoi(argv[1]) : 100;
  const std::int32_t rewrap_lines = argc > 2 ? std::atoi(argv[2]) : 2000000;
  if (megabytes <= 0 || rewrap_lines <= 0) {
    std::fprintf(stderr, "usage: bench_edit [megabytes] [rewrap_lines]\n");
    return 2;
  }
  const bool ok = TypingAndUndo(megabytes) && TypingInALongLine() && Rewrap(rewrap_lines);
  if (!ok) std::fprintf(stderr, "an edit failed\n");
  return ok ? 0 : 1;
}
