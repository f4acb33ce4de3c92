// Re-wrapping a large document on a resize against one plain measuring pass
// over the same text.  Prints key=value lines; the ratio
// rewrap_speed_vs_measure is the measuring time over the re-wrap time
// (1 = as fast as measuring; the layout aims at 0.5 or more).  divide_ms is
// the row division alone, without storing the rows in the lines.
// Usage: bench_layout [lines]  (2 million by default)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "editor/document_layout.h"
#include "editor/line_record.h"
#include "editor/metrics_line_layout.h"
#include "editor/row_division.h"
#include "platform/fixed_text_measurer.h"

namespace {

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::int32_t line_count = argc > 1 ? std::atoi(argv[1]) : 2000000;
  TextMetrics metrics(std::make_unique<platform::FixedTextMeasurer>());
  if (!metrics.RebuildFonts()) return 1;
  MetricsLineLayout layout(metrics);
  TextStore store(layout, 0);
  DocumentLayout doc(store, metrics, true);
  if (!store.Valid()) return 1;

  const std::u16string samples[] = {
      u"  <p class=\"item\">Some text, number 12345 here.</p>",
      u"\t<a href=\"/index.html\">\u65E5\u672C\u8A9E\u306E\u30DA\u30FC\u30B8</a>",
      u"body { margin: 0; padding: 4px 8px; color: #333; }",
  };
  for (std::int32_t i = 0; i < line_count; ++i) {
    const std::u16string& text = samples[i % 3];
    if (!store.AppendToLastLine(text.data(), std::int32_t(text.size()))) return 1;
    if (i + 1 < line_count && !store.EndLastLine()) return 1;
  }
  store.FinishLoading();

  double measure_ms = 1e300;
  std::int64_t checksum = 0;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    LineRecord* line = store.Line(0);
    for (std::int32_t i = 0; i < store.LineCount(); ++i, line = line->Next()) {
      checksum += row_division::UnwrappedWidth(metrics, line->MakeContiguous(), line->Length());
    }
    measure_ms = std::min(measure_ms, Milliseconds(start));
  }

  double divide_ms = 1e300;
  static RowInfo scratch[4096];
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    LineRecord* line = store.Line(0);
    for (std::int32_t i = 0; i < store.LineCount(); ++i, line = line->Next()) {
      checksum += row_division::Divide(metrics, line->MakeContiguous(), line->Length(), 207, scratch, 4096);
    }
    divide_ms = std::min(divide_ms, Milliseconds(start));
  }
  double rewrap_ms = 1e300;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    if (!doc.Resize(doc.MarginWidth() + 200 + run * 7, 600)) return 1;
    rewrap_ms = std::min(rewrap_ms, Milliseconds(start));
  }

  std::printf("lines=%d\n", int(store.LineCount()));
  std::printf("display_rows=%d\n", int(store.TotalRows()));
  std::printf("measure_ms=%.1f\n", measure_ms);
  std::printf("divide_ms=%.1f\n", divide_ms);
  std::printf("rewrap_ms=%.1f\n", rewrap_ms);
  std::printf("rewrap_speed_vs_measure=%.2f\n", measure_ms / rewrap_ms);
  std::printf("checksum=%lld\n", static_cast<long long>(checksum));
  return 0;
}
