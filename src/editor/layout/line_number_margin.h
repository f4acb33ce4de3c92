#pragma once
// The digit count of the line-number margin: three digits until the line
// count first reaches 1000, one more at every further power of ten, and
// never fewer again while the document lives.
#include <cstdint>

class LineNumberMargin {
 public:
  // Called after lines were inserted; true when the margin widened.
  bool NoteLineCount(std::int64_t line_count);

  std::int32_t Digits() const { return digits_; }
  std::int64_t Threshold() const { return threshold_; }
  // Digits of the average width plus 10 pixels.
  std::int32_t Width(std::int32_t average_width) const { return digits_ * average_width + 10; }

 private:
  std::int32_t digits_ = 3;
  std::int64_t threshold_ = 1000;
};
