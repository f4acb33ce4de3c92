#include "editor/layout/line_number_margin.h"

bool LineNumberMargin::NoteLineCount(std::int64_t line_count) {
  bool widened = false;
  // A bulk insertion may pass several thresholds at once.
  while (line_count >= threshold_) {
    std::int32_t digits = 0;
    for (std::int64_t n = threshold_; n > 0; n /= 10) ++digits;
    digits_ = digits;
    threshold_ *= 10;
    widened = true;
  }
  return widened;
}
