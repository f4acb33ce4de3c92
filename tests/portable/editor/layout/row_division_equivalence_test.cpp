// The row division and the pen position of a column against unit-at-a-time
// references over random texts:
// runs of letters, digits and other ASCII, tabs, line feeds, full-width
// spaces, East Asian characters, surrogate pairs and lone surrogates, NULs;
// random wrap widths down to the narrowest that wraps; room for fewer rows
// than needed; and fresh metrics, so that units are met unmeasured too.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "editor/layout/line_geometry.h"
#include "editor/layout/row_division.h"
#include "support/fixed_metrics.h"
#include "support/reference_row_division.h"

namespace {

std::u16string RandomText(std::mt19937& random, std::int32_t length) {
  static const char16_t kPieces[] = {u'a',    u'Z',    u'7',    u'<',    u'/',    u' ',    u'.',    u'-',
                                     u'\t',   u'\n',   0x3000,  0x65E5, 0xFF21,  0xD83D, 0xDE00,  0x0000,
                                     0x00E9, u'=',    u'"',    0xDC00};
  std::u16string text;
  while (std::int32_t(text.size()) < length) {
    const std::uint32_t pick = random() % 100;
    if (pick < 55) {  // a word
      const std::int32_t word = 1 + std::int32_t(random() % 12);
      for (std::int32_t i = 0; i < word; ++i) text += char16_t(u'a' + random() % 26);
    } else if (pick < 70) {
      text += u' ';
    } else if (pick < 75) {  // a surrogate pair
      text += char16_t(0xD800 + random() % 0x400);
      text += char16_t(0xDC00 + random() % 0x400);
    } else {
      text += kPieces[random() % (sizeof(kPieces) / sizeof(kPieces[0]))];
    }
  }
  return text;
}

TEST(RowDivisionEquivalence, SameRowsAsTheReferenceForRandomTexts) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    // Fresh metrics every round: the first texts meet unmeasured units.
    auto metrics = MakeFixedMetrics({}, 1 + int(random() % 8));
    for (int text_index = 0; text_index < 200; ++text_index) {
      const std::u16string text = RandomText(random, std::int32_t(random() % 400));
      const auto count = std::int32_t(text.size());
      std::int32_t wrap_width = 0;
      do {
        wrap_width = 1 + std::int32_t(random() % 300);
      } while (!row_division::WrapApplies(*metrics, wrap_width));
      const auto capacity = std::int32_t(random() % 4 == 0 ? random() % 3 : 512);
      std::vector<RowInfo> fast(std::size_t(capacity) + 1, RowInfo{-1, -1});
      std::vector<RowInfo> reference(std::size_t(capacity) + 1, RowInfo{-1, -1});
      const std::int32_t fast_count =
          row_division::Divide(*metrics, text.data(), count, wrap_width, fast.data(), capacity);
      const std::int32_t reference_count =
          reference_row_division::Divide(*metrics, text.data(), count, wrap_width, reference.data(), capacity);
      ASSERT_EQ(fast_count, reference_count) << "round " << round << " text " << text_index;
      for (std::size_t i = 0; i < fast.size(); ++i) {
        ASSERT_EQ(fast[i].units, reference[i].units) << "row " << i << " round " << round << " text " << text_index;
        ASSERT_EQ(fast[i].width, reference[i].width) << "row " << i << " round " << round << " text " << text_index;
      }
    }
  }
}

TEST(PenAtEquivalence, SameAsAdvancingUnitByUnit) {
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    auto metrics = MakeFixedMetrics({}, 1 + int(random() % 8));
    for (int text_index = 0; text_index < 200; ++text_index) {
      const std::u16string text = RandomText(random, std::int32_t(random() % 300));
      const auto count = std::int32_t(text.size());
      const std::int32_t start = std::int32_t(random() % (count + 2)) - 1;
      const std::int32_t end = std::int32_t(random() % (count + 3));
      std::int32_t expected = 0;
      for (std::int32_t i = std::max(start, 0); i < std::min(end, count); ++i)
        expected = metrics->Advance(text.data(), count, i, expected);
      ASSERT_EQ(line_geometry::PenAt(*metrics, text.data(), count, start, end), expected)
          << "round " << round << " text " << text_index << " " << start << ".." << end;
    }
  }
}

}  // namespace
