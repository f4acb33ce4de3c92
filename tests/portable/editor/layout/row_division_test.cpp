#include "editor/layout/row_division.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "platform/fixed_text_measurer.h"
#include "support/fixed_metrics.h"

namespace {

std::string Narrow(std::u16string_view text) {
  std::string out;
  for (char16_t unit : text) out += unit < 0x80 ? char(unit) : '?';
  return out;
}

std::vector<RowInfo> Rows(TextMetrics& metrics, std::u16string_view text, std::int32_t wrap_width) {
  std::vector<RowInfo> rows(1);
  std::int32_t count = row_division::Divide(metrics, text.data(), text.size(), wrap_width, rows.data(), rows.size());
  if (count > std::int32_t(rows.size())) {
    rows.resize(count);
    EXPECT_EQ(row_division::Divide(metrics, text.data(), text.size(), wrap_width, rows.data(), rows.size()), count);
  }
  rows.resize(count);
  return rows;
}

// Rows written as units/width pairs.
struct WrapCase {
  const char* name;
  std::u16string text;
  std::int32_t wrap_width;
  std::vector<std::pair<std::int32_t, std::int32_t>> rows;
};

TEST(RowDivision, WrapCases) {
  std::unique_ptr<TextMetrics> m = MakeFixedMetrics();
  ASSERT_TRUE(m);
  const std::u16string letters30(30, u'x');
  const WrapCase cases[] = {
      {"30 letters cut after 14 (98 px; the 15th would end at 105)", letters30, 100, {{14, 98}, {14, 98}, {2, 14}}},
      {"a unit ending exactly on the wrap width does not fit", std::u16string(15, u'x'), 105, {{14, 98}, {1, 7}}},
      {"'abc def' breaks after the space", u"abc def", 49, {{4, 28}, {3, 21}}},
      {"'abc def' fits whole", u"abc def", 50, {{7, 49}}},
      {"the line feed never moves to a row of its own", u"abcdef\n", 49, {{7, 42}}},
      {"letters, digits, < and / stay together", u"a<b/c1 d", 50, {{7, 49}, {1, 7}}},
      {"punctuation is a break candidate", u"ab.cdefg", 50, {{3, 21}, {5, 35}}},
      {"Japanese breaks after any character",
       u"\u65E5\u672C\u8A9E\u306E\u6587\u7AE0\u3067\u3059",
       50,
       {{3, 42}, {3, 42}, {2, 28}}},
      {"a full-width space is no break candidate", u"a-\u3000bc", 35, {{2, 14}, {3, 28}}},
      {"carried units that still do not fit get a row of their own",
       u"-bcdefg\u3042",
       50,
       {{1, 7}, {6, 42}, {1, 14}}},
      {"a tab is a candidate", u"ab\tcdefgh", 60, {{3, 28}, {6, 42}}},
      {"a tab that does not fit opens the next row with a full tab", u"abcdefg\tx", 50, {{7, 49}, {2, 35}}},
      {"a tab after carried units advances to their next stop", u"a-bc\tz", 50, {{2, 14}, {4, 35}}},
      {"carried units and a tab that still do not fit", u"a-bcde\tz", 50, {{2, 14}, {4, 28}, {2, 35}}},
      {"a surrogate pair moves to the next row whole",
       u"abcdef\U0001F600g",
       50,
       {{6, 42}, {3, 21}}},
      {"empty line", u"", 100, {{0, 0}}},
  };
  for (const WrapCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<RowInfo> rows = Rows(*m, c.text, c.wrap_width);
    ASSERT_EQ(rows.size(), c.rows.size()) << Narrow(c.text);
    std::int32_t units = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].units, c.rows[i].first) << "row " << i;
      EXPECT_EQ(rows[i].width, c.rows[i].second) << "row " << i;
      units += rows[i].units;
    }
    EXPECT_EQ(units, std::int32_t(c.text.size()));
  }
}

TEST(RowDivision, AUnitWiderThanTheRowTakesARowOfItsOwn) {
  std::unique_ptr<TextMetrics> m = MakeFixedMetrics({.wide_width = 40});
  ASSERT_TRUE(m);
  std::vector<RowInfo> rows = Rows(*m, u"\U0001F600\U0001F600x", 30);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].units, 2);
  EXPECT_EQ(rows[0].width, 40);
  EXPECT_EQ(rows[1].units, 2);
  EXPECT_EQ(rows[2].units, 1);
  EXPECT_EQ(rows[2].width, 7);
}

TEST(RowDivision, NarrowWrapWidthsLeaveOneRow) {
  std::unique_ptr<TextMetrics> m = MakeFixedMetrics();  // tab 28, average 7
  ASSERT_TRUE(m);
  EXPECT_FALSE(row_division::WrapApplies(*m, 0));
  EXPECT_FALSE(row_division::WrapApplies(*m, 14));  // twice the average width
  EXPECT_FALSE(row_division::WrapApplies(*m, 28));  // one tab
  EXPECT_TRUE(row_division::WrapApplies(*m, 29));
  std::unique_ptr<TextMetrics> wide_tabs = MakeFixedMetrics({}, 10);  // tab 70
  ASSERT_TRUE(wide_tabs);
  EXPECT_FALSE(row_division::WrapApplies(*wide_tabs, 70));
  EXPECT_TRUE(row_division::WrapApplies(*wide_tabs, 71));
}

TEST(RowDivision, RowsReportedBeyondCapacityAreCountedNotWritten) {
  std::unique_ptr<TextMetrics> m = MakeFixedMetrics();
  ASSERT_TRUE(m);
  std::u16string text(100, u'x');
  RowInfo rows[3] = {{-1, -1}, {-1, -1}, {-1, -1}};
  EXPECT_EQ(row_division::Divide(*m, text.data(), text.size(), 50, rows, 2), 15);  // 7 letters a row
  EXPECT_EQ(rows[1].units, 7);
  EXPECT_EQ(rows[2].units, -1);
}

TEST(RowDivision, UnwrappedWidthIsThePenAfterAllUnits) {
  std::unique_ptr<TextMetrics> m = MakeFixedMetrics();
  ASSERT_TRUE(m);
  std::u16string_view text = u"ab\tc\u3042\U0001F600\n";
  EXPECT_EQ(row_division::UnwrappedWidth(*m, text.data(), text.size()), 28 + 7 + 14 + 14);
}

// Printable ASCII of differing widths, as a proportional font has.
class ProportionalMeasurer final : public platform::TextMeasurer {
 public:
  std::int32_t PixelsPerInchY() const override { return fixed_.PixelsPerInchY(); }
  std::unique_ptr<platform::Font> MakeFont(const platform::FontRequest& request) override {
    return fixed_.MakeFont(request);
  }
  void Select(const platform::Font* font) override { fixed_.Select(font); }
  bool UnitWidth(char16_t unit, std::int32_t& width) override {
    if (unit == u'i' || unit == u'm') {
      width = unit == u'i' ? 3 : 11;
      return true;
    }
    return fixed_.UnitWidth(unit, width);
  }
  bool TextWidth(const char16_t* units, std::int32_t count, std::int32_t& width) override {
    return fixed_.TextWidth(units, count, width);
  }
  bool Measures(platform::FontMeasures& measures) override { return fixed_.Measures(measures); }

 private:
  platform::FixedTextMeasurer fixed_;
};

// The width summed by the block, for fixed and proportional fonts alike, is
// where the unit-by-unit walk ends, at every length and mix of units.
TEST(RowDivision, UnwrappedWidthMatchesTheWalk) {
  std::unique_ptr<TextMetrics> fixed = MakeFixedMetrics();
  ASSERT_TRUE(fixed);
  EXPECT_EQ(fixed->PrintableAsciiWidth(), 7);
  TextMetrics proportional(std::make_unique<ProportionalMeasurer>());
  ASSERT_TRUE(proportional.RebuildFonts());
  EXPECT_EQ(proportional.PrintableAsciiWidth(), 0);

  const char16_t alphabet[] = {u'a', u'i', u'm', u' ', u'~', u'<', u'\t', 0x1F, 0x7F, 0x80, u'\u3042', 0xFF10, 0xD83D};
  std::uint32_t state = 7;
  for (int round = 0; round < 400; ++round) {
    std::u16string line;
    const int length = round % 41;
    for (int i = 0; i < length; ++i) {
      state = state * 1103515245u + 12345u;
      // Mostly ASCII letters, as web pages are.
      const std::uint32_t pick = (state >> 16) % 40;
      const char16_t unit = pick < std::size(alphabet) ? alphabet[pick] : u'a' + pick % 26;
      line += unit;
      if (unit == 0xD83D) line += char16_t(0xDE00);
    }
    if (round % 3 == 0) line += u'\n';
    for (TextMetrics* metrics : {fixed.get(), &proportional}) {
      std::int32_t pen = 0;
      for (std::int32_t i = 0; i < std::int32_t(line.size()); ++i) pen = metrics->Advance(line.data(), line.size(), i, pen);
      EXPECT_EQ(row_division::UnwrappedWidth(*metrics, line.data(), line.size()), pen) << Narrow(line);
    }
  }
}

}  // namespace
