#include "support/measurer_contract.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editor/layout/row_division.h"
#include "editor/layout/text_metrics.h"
#include "support/counting_text_measurer.h"

void CheckMeasurerContract(std::unique_ptr<platform::TextMeasurer> measurer, std::u16string_view face) {
  ASSERT_TRUE(measurer);
  EXPECT_GT(measurer->PixelsPerInchY(), 0);
  auto owned = std::make_unique<CountingTextMeasurer>(std::move(measurer));
  CountingTextMeasurer& counter = *owned;
  TextMetrics metrics(std::move(owned));
  metrics.SetFaceName(face);
  metrics.SetFontSize(10);
  metrics.SetLineSpacing(1);
  counter.ResetCounts();
  ASSERT_TRUE(metrics.RebuildFonts());

  // The font asked for and what it measures.
  EXPECT_EQ(std::u16string(counter.LastFontRequest().face), std::u16string(face));
  EXPECT_EQ(counter.LastFontRequest().weight, 700);
  ASSERT_NE(metrics.NormalFont(), nullptr);
  ASSERT_NE(metrics.BoldFont(), nullptr);
  EXPECT_GE(metrics.TextHeight(), -counter.LastFontRequest().height);
  EXPECT_EQ(metrics.LinePitch(), metrics.TextHeight() + 1);
  EXPECT_GE(metrics.AverageWidth(), 1);
  EXPECT_EQ(metrics.TabPixels(), 4 * metrics.AverageWidth());
  const UnitInfo ideographic_space = metrics.Measure(0x3000, 0);
  EXPECT_EQ(ideographic_space.char_class, CharClass::FullWidthSpace);
  EXPECT_GT(ideographic_space.width, 0);

  // Every unit value is measured once per font, whatever the text, be it
  // when the font is made or on first use.
  const std::u16string_view text = u"<p class=\"x\">Hello, world \u65E5\u672C\u8A9E</p>";
  std::set<char16_t> distinct(text.begin(), text.end());
  int first_round_calls = 0;
  for (int round = 0; round < 3; ++round) {
    for (std::size_t i = 0; i < text.size(); ++i) metrics.Measure(text[i], 0);
    if (round == 0) first_round_calls = counter.TotalUnitWidthCalls();
  }
  EXPECT_EQ(counter.TotalUnitWidthCalls(), first_round_calls);
  for (char16_t unit : distinct) EXPECT_EQ(counter.UnitWidthCalls(unit), 1) << int(unit);

  // Cached widths are the measurer's, and a run of them adds up to the
  // extent of the run measured whole, as painting draws it.
  std::int32_t sum = 0;
  for (char16_t unit : std::u16string_view(u"Hello, world")) {
    std::int32_t direct = -1;
    ASSERT_TRUE(counter.UnitWidth(unit, direct));
    EXPECT_EQ(metrics.Measure(unit, 0).width, direct) << int(unit);
    EXPECT_GT(direct, 0);
    sum += direct;
  }
  std::int32_t whole = -1;
  ASSERT_TRUE(counter.TextWidth(u"Hello, world", 12, whole));
  EXPECT_EQ(whole, sum);

  // A surrogate pair is measured once as a pair, in its high surrogate's slot.
  counter.ResetCounts();
  const char16_t pair[] = {0xD840, 0xDC0B};  // U+2000B
  const UnitInfo high = metrics.Measure(pair[0], pair[1]);
  EXPECT_EQ(high.char_class, CharClass::HighSurrogate);
  EXPECT_EQ(counter.TextWidthCalls(), 1);
  EXPECT_EQ(counter.TotalUnitWidthCalls(), 0);
  std::int32_t pair_width = -1;
  ASSERT_TRUE(counter.TextWidth(pair, 2, pair_width));
  EXPECT_GT(pair_width, 0);
  EXPECT_EQ(high.width, pair_width);
  counter.ResetCounts();
  EXPECT_EQ(metrics.Measure(0xD840, 0xDC0C).width, pair_width);
  EXPECT_EQ(counter.TextWidthCalls(), 0);
  const UnitInfo low = metrics.Measure(pair[1], 0);
  EXPECT_EQ(low.char_class, CharClass::LowSurrogate);
  EXPECT_EQ(low.width, 0);

  // Wrapping with real widths keeps every row inside the width and every unit in a row.
  std::u16string line;
  for (int i = 0; i < 20; ++i) line += u"word\u65E5\u672C, \tx\U0001F600 ";
  const std::int32_t wrap_width = 40 * metrics.AverageWidth();
  ASSERT_TRUE(row_division::WrapApplies(metrics, wrap_width));
  RowInfo rows[64];
  const std::int32_t count = row_division::Divide(metrics, line.data(), line.size(), wrap_width, rows, 64);
  ASSERT_GT(count, 1);
  ASSERT_LE(count, 64);
  std::int32_t units = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    EXPECT_LT(rows[i].width, wrap_width) << "row " << i;
    EXPECT_GT(rows[i].units, 0) << "row " << i;
    units += rows[i].units;
  }
  EXPECT_EQ(units, std::int32_t(line.size()));
}
