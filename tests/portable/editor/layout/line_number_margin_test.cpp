#include "editor/layout/line_number_margin.h"

#include <gtest/gtest.h>

namespace {

TEST(LineNumberMargin, WidensAtEachPowerOfTenAndNeverNarrows) {
  LineNumberMargin margin;
  struct Step {
    std::int64_t line_count;
    bool widened;
    std::int32_t digits;
    std::int64_t threshold;
  } steps[] = {
      {1, false, 3, 1000},       {999, false, 3, 1000},     {1000, true, 4, 10000},  {999, false, 4, 10000},
      {1, false, 4, 10000},      {9999, false, 4, 10000},   {10000, true, 5, 100000}, {100000, true, 6, 1000000},
      {5, false, 6, 1000000},
      // A bulk insertion passing two thresholds at once.
      {20000000, true, 8, 100000000}, {2147483647, true, 10, 10000000000},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.line_count);
    EXPECT_EQ(margin.NoteLineCount(s.line_count), s.widened);
    EXPECT_EQ(margin.Digits(), s.digits);
    EXPECT_EQ(margin.Threshold(), s.threshold);
  }
}

TEST(LineNumberMargin, WidthIsDigitsOfAverageWidthPlusTen) {
  LineNumberMargin margin;
  EXPECT_EQ(margin.Width(7), 31);
  margin.NoteLineCount(1000);
  EXPECT_EQ(margin.Width(7), 38);
  EXPECT_EQ(margin.Width(8), 42);
}

}  // namespace
