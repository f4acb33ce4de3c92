// Forward and backward search for a literal pattern in one line, across the
// line's gap, with the ASCII-only case rule; checked against a plain
// reference on random lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "editor/html/line_search.h"
#include "editor/store/text_store.h"
#include "support/fixed_width_layout.h"
#include "support/store_text.h"

namespace {

class LineSearchTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store.Valid()); }
  LineRecord& Line(std::int32_t index) { return *store.Line(index); }
  // Text put in two pieces, the second at split, so the gap lies between.
  void FillWithGapAt(const std::u16string& text, std::int32_t split) {
    const std::int32_t size = static_cast<std::int32_t>(text.size());
    if (split < size) ASSERT_TRUE(store.InsertUnits(Line(0), text.data() + split, size - split, 0));
    if (split > 0) ASSERT_TRUE(store.InsertUnits(Line(0), text.data(), split, 0));
  }
  std::int32_t Forward(std::int32_t line, std::int32_t start, const std::u16string& pattern, bool case_sensitive = true) {
    std::int32_t column = -7;
    if (!line_search::Forward(Line(line), start, pattern.data(), static_cast<std::int32_t>(pattern.size()),
                              case_sensitive, column)) {
      return -1;
    }
    return column;
  }
  std::int32_t Backward(std::int32_t line, std::int32_t end, const std::u16string& pattern, bool case_sensitive = true) {
    std::int32_t column = -7;
    if (!line_search::Backward(Line(line), end, pattern.data(), static_cast<std::int32_t>(pattern.size()),
                               case_sensitive, column)) {
      return -1;
    }
    return column;
  }

  FixedWidthLayout layout{8};
  TextStore store{layout, 0};
};

TEST_F(LineSearchTest, OverlappingStartFindsTheMatchAfterAFailedPartialOne) {
  FillStore(store, u"aaab");
  EXPECT_EQ(Forward(0, 0, u"aab"), 1);
  EXPECT_EQ(Forward(0, 1, u"aab"), 1);
  EXPECT_EQ(Forward(0, 2, u"aab"), -1);
  EXPECT_EQ(Backward(0, 4, u"aab"), 4);  // the end column
  EXPECT_EQ(Backward(0, 3, u"aab"), -1);
}

TEST_F(LineSearchTest, BoundsOfStartAndEndColumns) {
  FillStore(store, u"abcabc");
  EXPECT_EQ(Forward(0, 3, u"abc"), 3);
  EXPECT_EQ(Forward(0, 4, u"abc"), -1);     // start + length past the line
  EXPECT_EQ(Forward(0, 99, u"a"), -1);
  EXPECT_EQ(Forward(0, -5, u"bc"), 1);      // a negative start counts as 0
  EXPECT_EQ(Forward(0, 0, u""), -1);
  EXPECT_EQ(Forward(0, 0, u"abcabcx"), -1);  // longer than the line
  EXPECT_EQ(Backward(0, 6, u"abc"), 6);
  EXPECT_EQ(Backward(0, 5, u"abc"), 3);
  EXPECT_EQ(Backward(0, 2, u"abc"), -1);    // end - length before the line
  EXPECT_EQ(Backward(0, 7, u"c"), -1);      // end past the line
  EXPECT_EQ(Backward(0, 6, u""), -1);
  std::int32_t column = 0;
  EXPECT_FALSE(line_search::Forward(Line(0), 0, nullptr, 3, true, column));
  EXPECT_FALSE(line_search::Backward(Line(0), 6, nullptr, 3, true, column));
}

TEST_F(LineSearchTest, LineFeedTakesPartOnlyAtTheLineEnd) {
  FillStore(store, u"ab\nab");
  EXPECT_EQ(Forward(0, 0, u"b\n"), 1);
  EXPECT_EQ(Forward(1, 0, u"b\n"), -1);  // the last line has no line feed
  EXPECT_EQ(Forward(0, 0, u"\na"), -1);  // a match never spans lines
  EXPECT_EQ(Backward(0, 3, u"b\n"), 3);
}

TEST_F(LineSearchTest, PatternsReadAcrossTheGapAndHoldNuls) {
  const std::u16string text(u"xy\0zxy\0z", 8);
  for (std::int32_t split = 0; split <= 8; ++split) {
    store.Clear();
    FillWithGapAt(text, split);
    ASSERT_EQ(LineText(Line(0)), text);
    if (split > 0) ASSERT_EQ(Line(0).Runs().first_count, split);
    EXPECT_EQ(Forward(0, 1, std::u16string(u"y\0z", 3)), 1) << split;
    EXPECT_EQ(Forward(0, 2, std::u16string(u"y\0z", 3)), 5) << split;
    EXPECT_EQ(Backward(0, 7, std::u16string(u"y\0z", 3)), 4) << split;
  }
}

TEST(UnitMatch, OnlyAsciiLettersMatchInAnotherCase) {
  EXPECT_TRUE(line_search::UnitMatches(u'A', u'a', false));
  EXPECT_TRUE(line_search::UnitMatches(u'z', u'Z', false));
  EXPECT_FALSE(line_search::UnitMatches(u'A', u'a', true));
  EXPECT_TRUE(line_search::UnitMatches(u'A', u'A', true));
  // Units 32 apart that are not both letters stay apart.
  EXPECT_FALSE(line_search::UnitMatches(u'@', u'`', false));
  EXPECT_FALSE(line_search::UnitMatches(u'[', u'{', false));
  EXPECT_FALSE(line_search::UnitMatches(u'1', u'Q', false));
  // Full-width and accented letters are compared as they are.
  EXPECT_FALSE(line_search::UnitMatches(u'\uFF21', u'\uFF41', false));
  EXPECT_FALSE(line_search::UnitMatches(u'\u00C0', u'\u00E0', false));
}

TEST_F(LineSearchTest, CaseRuleAppliesToTheWholePattern) {
  FillStore(store, u"Foo FOO \uFF21\uFF22");
  EXPECT_EQ(Forward(0, 1, u"foo", false), 4);
  EXPECT_EQ(Forward(0, 0, u"FOO", false), 0);
  EXPECT_EQ(Forward(0, 0, u"foo", true), -1);
  EXPECT_EQ(Forward(0, 0, u"\uFF41\uFF42", false), -1);
  EXPECT_EQ(Forward(0, 0, u"\uFF21\uFF22", false), 8);
}

bool ReferenceMatch(const std::u16string& line, std::size_t at, const std::u16string& pattern, bool case_sensitive) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char16_t a = line[at + i];
    char16_t b = pattern[i];
    if (!case_sensitive) {
      if (a >= u'A' && a <= u'Z') a = static_cast<char16_t>(a + 32);
      if (b >= u'A' && b <= u'Z') b = static_cast<char16_t>(b + 32);
    }
    if (a != b) return false;
  }
  return true;
}

TEST_F(LineSearchTest, RandomLinesAgreeWithAPlainScan) {
  std::mt19937 random(20261207);
  const std::u16string alphabet(u"aAbB\0", 5);
  auto random_text = [&](std::int32_t most) {
    std::u16string text(std::uniform_int_distribution<std::int32_t>(0, most)(random), u'a');
    for (char16_t& unit : text) unit = alphabet[std::uniform_int_distribution<std::size_t>(0, 4)(random)];
    return text;
  };
  for (int round = 0; round < 300; ++round) {
    const std::u16string text = random_text(40);
    store.Clear();
    FillWithGapAt(text, std::uniform_int_distribution<std::int32_t>(0, static_cast<std::int32_t>(text.size()))(random));
    const std::u16string pattern = random_text(4);
    const bool case_sensitive = (round & 1) != 0;
    const std::int32_t size = static_cast<std::int32_t>(text.size());
    const std::int32_t n = static_cast<std::int32_t>(pattern.size());
    for (std::int32_t c = -1; c <= size + 1; ++c) {
      std::int32_t expected_forward = -1;
      for (std::int32_t k = std::max(c, 0); n > 0 && k + n <= size; ++k) {
        if (ReferenceMatch(text, k, pattern, case_sensitive)) {
          expected_forward = k;
          break;
        }
      }
      std::int32_t expected_backward = -1;
      for (std::int32_t k = c; n > 0 && c <= size && k >= n; --k) {
        if (ReferenceMatch(text, k - n, pattern, case_sensitive)) {
          expected_backward = k;
          break;
        }
      }
      ASSERT_EQ(Forward(0, c, pattern, case_sensitive), expected_forward) << round << " " << c;
      ASSERT_EQ(Backward(0, c, pattern, case_sensitive), expected_backward) << round << " " << c;
    }
  }
}

}  // namespace
