#pragma once
// Re-wrapping every line on a resize against one plain measuring pass over
// the same text.
#include <algorithm>
#include <cstdint>

#include "bench_document.h"
#include "editor/layout/row_division.h"

namespace bench {

struct RewrapFigures {
  double measure_seconds = 0;  // unwrapped widths of all lines
  double divide_seconds = 0;   // the row division alone, rows not stored
  double rewrap_seconds = 0;   // a resize of the wrapped view
  std::int64_t checksum = 0;   // keeps the passes from being optimised away
  bool ok = false;
};

// Each pass runs three times; the fastest counts.
inline RewrapFigures MeasureRewrap(Document& document) {
  RewrapFigures figures;
  TextStore& store = document.store;
  const auto each_line = [&](auto&& visit) {
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
      const auto start = Clock::now();
      LineRecord* line = store.Line(0);
      for (std::int32_t i = 0; i < store.LineCount(); ++i, line = line->Next()) {
        figures.checksum += visit(line->MakeContiguous(), line->Length());
      }
      best = std::min(best, SecondsSince(start));
    }
    return best;
  };
  figures.measure_seconds = each_line([&](const char16_t* units, std::int32_t count) {
    return row_division::UnwrappedWidth(document.metrics, units, count);
  });
  static RowInfo scratch[4096];
  figures.divide_seconds = each_line([&](const char16_t* units, std::int32_t count) {
    return row_division::Divide(document.metrics, units, count, 207, scratch, 4096);
  });
  figures.rewrap_seconds = 1e300;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    if (!document.layout.Resize(document.layout.MarginWidth() + 200 + run * 7, 600)) return figures;
    figures.rewrap_seconds = std::min(figures.rewrap_seconds, SecondsSince(start));
  }
  figures.ok = true;
  return figures;
}

}  // namespace bench
