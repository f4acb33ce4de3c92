#include "editor/layout/text_metrics.h"

#include <gtest/gtest.h>

#include "editor/layout/font_request.h"
#include "platform/fixed_text_measurer.h"
#include "support/counting_text_measurer.h"
#include "support/fixed_metrics.h"

namespace {

struct Counted {
  CountingTextMeasurer* counter;
  std::unique_ptr<TextMetrics> metrics;
};

Counted MakeCounted(platform::FixedMetrics fixed = {}) {
  auto counting = std::make_unique<CountingTextMeasurer>(std::make_unique<platform::FixedTextMeasurer>(fixed));
  Counted made{counting.get(), std::make_unique<TextMetrics>(std::move(counting))};
  made.metrics->SetFaceName(u"Courier New");
  return made;
}

TEST(FontRequest, HeightFromPixelsPerInchTruncatesTowardZero) {
  struct Case {
    std::int32_t points, pixels_per_inch, height;
  } cases[] = {{10, 96, -13}, {8, 96, -10}, {72, 96, -96}, {10, 120, -16}, {9, 144, -18}, {11, 96, -14}};
  for (const Case& c : cases) {
    EXPECT_EQ(editor_font::Request(u"x", c.points, c.pixels_per_inch, 400).height, c.height)
        << c.points << " pt at " << c.pixels_per_inch;
  }
}

TEST(FontRequest, FixedPitchDefaultCharsetAndFaceCutAt31Units) {
  std::u16string long_face(40, u'F');
  platform::FontRequest request = editor_font::Request(long_face, 10, 96, 700);
  EXPECT_EQ(request.weight, 700);
  EXPECT_EQ(request.pitch_and_family, 1);
  EXPECT_EQ(request.char_set, 1);
  EXPECT_EQ(std::u16string(request.face), std::u16string(31, u'F'));
  EXPECT_EQ(std::u16string(editor_font::Request(u"IPAGothic", 10, 96, 400).face), u"IPAGothic");
}

TEST(TextMetrics, SettingsAreClampedToTheirRanges) {
  Counted made = MakeCounted();
  TextMetrics& m = *made.metrics;
  m.SetFontSize(2);
  m.SetLineSpacing(-4);
  m.SetTabWidth(0);
  EXPECT_EQ(m.FontSize(), 8);
  EXPECT_EQ(m.LineSpacing(), 0);
  EXPECT_EQ(m.TabWidth(), 1);
  m.SetFontSize(300);
  m.SetLineSpacing(11);
  m.SetTabWidth(12);
  EXPECT_EQ(m.FontSize(), 72);
  EXPECT_EQ(m.LineSpacing(), 10);
  EXPECT_EQ(m.TabWidth(), 10);
}

TEST(TextMetrics, RebuildReadsHeightPitchAverageAndTabPixels) {
  Counted made = MakeCounted({.narrow_width = 8, .wide_width = 16, .average_width = 6, .extra_height = 2});
  TextMetrics& m = *made.metrics;
  m.SetFontSize(10);
  m.SetLineSpacing(3);
  m.SetTabWidth(5);
  ASSERT_TRUE(m.RebuildFonts());
  EXPECT_EQ(made.counter->LastFontRequest().weight, 700);  // the bold font comes last
  EXPECT_EQ(made.counter->LastFontRequest().height, -13);
  EXPECT_EQ(m.TextHeight(), 15);
  EXPECT_EQ(m.LinePitch(), 18);
  EXPECT_EQ(m.AverageWidth(), 6);
  EXPECT_EQ(m.TabPixels(), 30);
  ASSERT_NE(m.NormalFont(), nullptr);
  ASSERT_NE(m.BoldFont(), nullptr);
}

TEST(TextMetrics, AverageWidthAndPitchAreAtLeastOne) {
  Counted made = MakeCounted({.average_width = 0, .extra_height = -10});
  made.metrics->SetLineSpacing(0);
  made.metrics->SetFontSize(8);
  ASSERT_TRUE(made.metrics->RebuildFonts());
  EXPECT_EQ(made.metrics->AverageWidth(), 1);
  EXPECT_EQ(made.metrics->TabPixels(), 4);
  EXPECT_EQ(made.metrics->TextHeight(), 0);
  EXPECT_EQ(made.metrics->LinePitch(), 1);
}

TEST(TextMetrics, FailedFontCreationKeepsTheOldFontsAndCache) {
  auto fixed = std::make_unique<platform::FixedTextMeasurer>();
  platform::FixedTextMeasurer* stand_in = fixed.get();
  TextMetrics m(std::move(fixed));
  ASSERT_TRUE(m.RebuildFonts());
  const platform::Font* normal = m.NormalFont();
  const platform::Font* bold = m.BoldFont();
  EXPECT_EQ(m.Measure(u'a', 0).width, 7);
  const std::int32_t pitch = m.LinePitch();

  stand_in->RefuseFonts(true);
  m.SetFontSize(20);
  m.SetLineSpacing(5);
  EXPECT_FALSE(m.RebuildFonts());
  EXPECT_EQ(m.NormalFont(), normal);
  EXPECT_EQ(m.BoldFont(), bold);
  EXPECT_EQ(m.LinePitch(), pitch);
  EXPECT_EQ(m.Measure(u'a', 0).char_class, CharClass::Ordinary);
}

TEST(TextMetrics, EachUnitIsMeasuredOncePerFont) {
  Counted made = MakeCounted();
  TextMetrics& m = *made.metrics;
  // Printable ASCII is measured with the font; anything else on first use.
  ASSERT_TRUE(m.RebuildFonts());
  EXPECT_EQ(made.counter->UnitWidthCalls(u'l'), 1);
  EXPECT_EQ(made.counter->UnitWidthCalls(u'~'), 1);
  EXPECT_EQ(made.counter->UnitWidthCalls(u'\x7F'), 0);
  made.counter->ResetCounts();
  for (int round = 0; round < 3; ++round) {
    for (char16_t unit : std::u16string_view(u"hello, world \u65E5\u672C\x7F")) m.Measure(unit, 0);
  }
  EXPECT_EQ(made.counter->UnitWidthCalls(u'l'), 0);
  EXPECT_EQ(made.counter->UnitWidthCalls(u'\u65E5'), 1);
  EXPECT_EQ(made.counter->TotalUnitWidthCalls(), 3);  // the units beyond printable ASCII
  EXPECT_EQ(made.counter->TextWidthCalls(), 0);

  made.counter->ResetCounts();
  ASSERT_TRUE(m.RebuildFonts());  // a new font empties the cache
  m.Measure(u'\u65E5', 0);
  m.Measure(u'l', 0);
  EXPECT_EQ(made.counter->UnitWidthCalls(u'l'), 1);
  EXPECT_EQ(made.counter->UnitWidthCalls(u'\u65E5'), 1);
}

TEST(TextMetrics, PresetAndMeasuredClasses) {
  Counted made = MakeCounted();
  TextMetrics& m = *made.metrics;
  ASSERT_TRUE(m.RebuildFonts());
  made.counter->ResetCounts();
  struct Case {
    char16_t unit;
    CharClass char_class;
    int width;
  } cases[] = {
      {u'\t', CharClass::Tab, 0},           {u'\n', CharClass::LineFeed, 8},     {u'\u3000', CharClass::FullWidthSpace, 14},
      {u'a', CharClass::Ordinary, 7},       {u'\u3042', CharClass::Ordinary, 14}, {0, CharClass::Ordinary, 7},
      {u'\r', CharClass::Ordinary, 7},      {0xDC00, CharClass::LowSurrogate, 0}, {0xDFFF, CharClass::LowSurrogate, 0},
  };
  for (const Case& c : cases) {
    UnitInfo info = m.Measure(c.unit, 0);
    EXPECT_EQ(info.char_class, c.char_class) << int(c.unit);
    EXPECT_EQ(info.width, c.width) << int(c.unit);
  }
  // Tab, line feed and the full-width space were set at the rebuild.
  EXPECT_EQ(made.counter->UnitWidthCalls(u'\u3000'), 0);
  EXPECT_EQ(made.counter->UnitWidthCalls(u'\t'), 0);
}

TEST(TextMetrics, SurrogatePairWidthIsMeasuredOnceAsAPairInTheHighSlot) {
  Counted made = MakeCounted();
  TextMetrics& m = *made.metrics;
  ASSERT_TRUE(m.RebuildFonts());
  made.counter->ResetCounts();
  const char16_t grin[] = u"\U0001F600";  // D83D DE00
  UnitInfo high = m.Measure(grin[0], grin[1]);
  EXPECT_EQ(high.char_class, CharClass::HighSurrogate);
  EXPECT_EQ(high.width, 14);
  EXPECT_EQ(made.counter->TextWidthCalls(), 1);
  EXPECT_EQ(made.counter->UnitWidthCalls(grin[0]), 0);
  // Another pair with the same high surrogate reuses the width.
  EXPECT_EQ(m.Measure(0xD83D, 0xDE01).width, 14);
  EXPECT_EQ(made.counter->TextWidthCalls(), 1);
  EXPECT_EQ(m.Measure(grin[1], 0).char_class, CharClass::LowSurrogate);
  // A high surrogate at the end of a line is measured with a NUL after it.
  EXPECT_EQ(m.Measure(0xD800, 0).width, 14);
}

TEST(TextAdvance, TabsGoToTheNextStopStrictlyToTheRight) {
  std::unique_ptr<TextMetrics> m = MakeFixedMetrics();
  ASSERT_TRUE(m);
  ASSERT_EQ(m->TabPixels(), 28);
  struct Case {
    const char16_t* text;
    std::int32_t pen;
  } cases[] = {
      {u"\t", 28},       {u"\t\t", 56},        {u"a\t", 28},        {u"abcd\t", 56},  // 28 is a stop: on to 56
      {u"abc\t", 28},    {u"\u3000", 14},      {u"a\n", 7},         {u"\U0001F600a", 21},
      {u"\u65E5\t", 28}, {u"\t\u3000\t", 56},  {u"", 0},
  };
  for (const Case& c : cases) {
    std::u16string_view text(c.text);
    std::int32_t pen = 0;
    for (std::int32_t i = 0; i < std::int32_t(text.size()); ++i) pen = m->Advance(text.data(), text.size(), i, pen);
    EXPECT_EQ(pen, c.pen) << std::string(text.begin(), text.end());
  }
}

}  // namespace
