#pragma once
// Typing one unit at a time at one place, as a user does.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "bench_document.h"

namespace bench {

// Types count units at the caret, continuing the text typed so far (typed
// counts it): words, spaces and, when lines is set, a line break every 60
// units. Seconds per unit; negative when an insertion failed.
inline double TypeAtCaret(DocumentEditor& editor, std::int32_t count, std::int32_t& typed, bool lines) {
  static const char16_t kWords[] = u"the quick brown fox jumps over the lazy dog <p class=\"x\">";
  constexpr std::int32_t kWordUnits = sizeof kWords / sizeof kWords[0] - 1;
  const auto start = Clock::now();
  for (std::int32_t i = 0; i < count; ++i, ++typed) {
    const char16_t unit = lines && typed % 60 == 59 ? u'\n' : kWords[typed % kWordUnits];
    if (editor.InsertUnit(unit, RecordMode::Record) < 0) return -1;
  }
  return SecondsSince(start) / count;
}

// Seconds per unit over a stretch of typing with line breaks: the median of
// its batches, which a shared machine's stalls move less than the mean, and
// the mean. Negative when an insertion failed.
struct TypingSample {
  double median = -1;
  double mean = -1;
};

inline TypingSample TypeInBatches(DocumentEditor& editor, std::int32_t batches, std::int32_t batch_units,
                                  std::int32_t& typed) {
  std::vector<double> per_unit;
  double sum = 0;
  for (std::int32_t i = 0; i < batches; ++i) {
    const double seconds = TypeAtCaret(editor, batch_units, typed, true);
    if (seconds <= 0) return {};
    per_unit.push_back(seconds);
    sum += seconds;
  }
  const auto middle = per_unit.begin() + static_cast<std::ptrdiff_t>(per_unit.size() / 2);
  std::nth_element(per_unit.begin(), middle, per_unit.end());
  return {*middle, sum / batches};
}

}  // namespace bench
