// Painting on the recording canvas: colours through the painter, the
// highlights, the marks, the margin, "[EOF]", runs and clipping.
#include "editor/paint/text_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "editor/layout/document_layout.h"
#include "support/paint_fixture.h"

namespace {

constexpr std::int32_t kMargin = 31;  // 3 digits of 7 pixels + 10

CanvasCall Fill(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, Colour colour) {
  return {CanvasCall::Kind::Fill, left, top, right, bottom, colour, 0, false, {}, {}};
}

CanvasCall Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour = kSlotMarks) {
  return {CanvasCall::Kind::Line, x1, y1, x2, y2, colour, 0, false, {}, {}};
}

::testing::AssertionResult Has(const RecordingCanvas& canvas, const CanvasCall& wanted) {
  for (const CanvasCall& call : canvas.Calls())
    if (call == wanted) return ::testing::AssertionSuccess();
  std::string drawn;
  for (const CanvasCall& call : canvas.Calls()) drawn += "\n  " + call.Describe();
  return ::testing::AssertionFailure() << "missing " << wanted.Describe() << "; drawn:" << drawn;
}

std::vector<CanvasCall> TextCalls(const RecordingCanvas& canvas, std::int32_t y, std::int32_t from_x) {
  std::vector<CanvasCall> calls;
  for (const CanvasCall& call : canvas.Calls())
    if (call.kind == CanvasCall::Kind::Text && call.b == y && call.a >= from_x && call.units != u"[EOF]")
      calls.push_back(call);
  return calls;
}

struct PaintCase {
  SyntaxMode mode;
  const char16_t* text;
  const char* slots;
};

TEST(TextPainter, ColoursEachUnitAsTheMachinesDo) {
  const PaintCase cases[] = {
      {kSyntaxHtml, u"a &amp; b", "11aaaaa11"},
      {kSyntaxHtml, u"<a href=\"x\">", "667777778886"},
      {kSyntaxUntitled, u"<!-- a --->x", "999999999999"},
      {kSyntaxCss, u"p { color: red; }", "111bbbbbb1cccc1b1"},
      {kSyntaxCss, u"/* x **/a{b", "99999999999"},
      {kSyntaxNone, u"<a>&amp;", "11111111"},
  };
  for (const PaintCase& c : cases) {
    PaintFixture fixture;
    fixture.mode = c.mode;
    fixture.SetText(c.text);
    const RecordingCanvas canvas = fixture.Paint();
    EXPECT_EQ(fixture.TextSlots(canvas, PaintFixture::RowY(0)), c.slots) << "case " << c.slots;
    EXPECT_EQ(fixture.BackgroundSlots(canvas, PaintFixture::RowY(0)), std::string(std::strlen(c.slots), '0'));
  }
}

TEST(TextPainter, StyleElementNeedsTheHeadAndTheTypeAttribute) {
  PaintFixture fixture;
  fixture.SetText(
      u"<head>\n<style type=\"text/css\">\np{a:b}\n</style>\n<style>\np{a:b}\n</head>\n"
      u"<style type=\"text/css\">\np{a:b}");
  const RecordingCanvas canvas = fixture.Paint();
  EXPECT_EQ(fixture.TextSlots(canvas, PaintFixture::RowY(2)), "11b1c1");
  EXPECT_EQ(fixture.TextSlots(canvas, PaintFixture::RowY(5)), "111111");
  EXPECT_EQ(fixture.TextSlots(canvas, PaintFixture::RowY(8)), "111111");
}

TEST(TextPainter, SelectionStartingAboveTheViewIsPaintedAsFromTheTop) {
  PaintFixture fixture;
  std::u16string text;
  for (int i = 0; i < 12; ++i) text += i ? u"\n<b>x</b>" : u"<b>x</b>";
  fixture.SetText(text);
  fixture.highlights.has_selection = true;
  fixture.highlights.selection_start = {2, 5, 0};
  fixture.highlights.selection_end = {7, 3, 0};
  fixture.view.client_height = 2 + 14 * 12;
  const RecordingCanvas whole = fixture.Paint();
  fixture.view.client_height = 2 + 14 * 6;
  fixture.ScrollTo(4);
  const RecordingCanvas scrolled = fixture.Paint();
  for (int n = 0; n < 6; ++n) {
    EXPECT_EQ(fixture.TextSlots(scrolled, PaintFixture::RowY(n)), fixture.TextSlots(whole, PaintFixture::RowY(4 + n)));
    EXPECT_EQ(fixture.BackgroundSlots(scrolled, PaintFixture::RowY(n)),
              fixture.BackgroundSlots(whole, PaintFixture::RowY(4 + n)));
  }
  EXPECT_EQ(fixture.TextSlots(scrolled, PaintFixture::RowY(0)), "33333333");
  EXPECT_EQ(fixture.BackgroundSlots(scrolled, PaintFixture::RowY(0)), "22222222");
  EXPECT_EQ(fixture.TextSlots(scrolled, PaintFixture::RowY(3)), "33316666");
  EXPECT_EQ(fixture.BackgroundSlots(scrolled, PaintFixture::RowY(3)), "22200000");
  // The line end before the selection's last line is selected; the one
  // after it is not.
  const std::int32_t line_end_x = kMargin + 8 * 7;
  EXPECT_TRUE(Has(scrolled, Fill(line_end_x, PaintFixture::RowY(2), line_end_x + 8, PaintFixture::RowY(3), kSlotSelection)));
  EXPECT_TRUE(Has(scrolled, Fill(line_end_x, PaintFixture::RowY(3), line_end_x + 8, PaintFixture::RowY(4), kSlotBackground)));
}

TEST(TextPainter, AdjacentTagPairIsOneHighlightedRun) {
  PaintFixture fixture;
  fixture.SetText(u"<p></p>");
  fixture.pair = {true, {0, 0, 3}, {0, 3, 7}};
  const std::vector<CanvasCall> calls = TextCalls(fixture.Paint(), PaintFixture::RowY(0), kMargin);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].units, u"<p></p>");
  EXPECT_EQ(calls[0].background, static_cast<Colour>(kSlotPairHighlight));
  EXPECT_EQ(calls[0].advances, std::vector<std::int32_t>(7, 7));

  fixture.SetText(u"<p>x</p>");
  fixture.pair = {true, {0, 0, 3}, {0, 4, 8}};
  EXPECT_EQ(fixture.BackgroundSlots(fixture.Paint(), PaintFixture::RowY(0)), "eee0eeee");
  fixture.pair.active = false;
  EXPECT_EQ(fixture.BackgroundSlots(fixture.Paint(), PaintFixture::RowY(0)), "00000000");
}

TEST(TextPainter, HighlightedWordUnderPairUnderSelection) {
  PaintFixture fixture;
  fixture.mode = kSyntaxNone;
  fixture.SetText(u"abAB ab abab");
  fixture.highlights.word = u"ab";
  EXPECT_EQ(fixture.BackgroundSlots(fixture.Paint(), PaintFixture::RowY(0)), "dddd0dd0dddd");
  fixture.highlights.word_case_sensitive = true;
  EXPECT_EQ(fixture.BackgroundSlots(fixture.Paint(), PaintFixture::RowY(0)), "dd000dd0dddd");
  fixture.highlights.word_case_sensitive = false;
  fixture.pair = {true, {0, 1, 3}, {0, 6, 8}};
  EXPECT_EQ(fixture.BackgroundSlots(fixture.Paint(), PaintFixture::RowY(0)), "deed0deedddd");
  fixture.highlights.has_selection = true;
  fixture.highlights.selection_start = {0, 2, 0};
  fixture.highlights.selection_end = {0, 6, 0};
  const RecordingCanvas canvas = fixture.Paint();
  EXPECT_EQ(fixture.BackgroundSlots(canvas, PaintFixture::RowY(0)), "de2222eedddd");
  EXPECT_EQ(fixture.TextSlots(canvas, PaintFixture::RowY(0)), "113333111111");
  // "aaa" holds one occurrence of "aa", not two overlapping ones.
  fixture.SetText(u"aaa");
  fixture.highlights.has_selection = false;
  fixture.pair.active = false;
  fixture.highlights.word = u"aa";
  EXPECT_EQ(fixture.BackgroundSlots(fixture.Paint(), PaintFixture::RowY(0)), "dd0");
}

TEST(TextPainter, HighlightedPatternMatchesInsteadOfTheWord) {
  PaintFixture fixture;
  fixture.mode = kSyntaxNone;
  fixture.SetText(u"x a12 b a7\na");
  RegexPattern pattern;
  std::u16string error;
  ASSERT_TRUE(pattern.Compile(u"a[0-9]*$|a[0-9]+", true, error));
  fixture.highlights.word = u"b";
  fixture.highlights.word_pattern = &pattern;
  EXPECT_EQ(fixture.BackgroundSlots(fixture.Paint(), PaintFixture::RowY(0)), "00ddd000dd");
  EXPECT_EQ(fixture.BackgroundSlots(fixture.Paint(), PaintFixture::RowY(1)), "d");
}

TEST(TextPainter, MarksForTabsFullWidthSpacesAndLineEnds) {
  PaintFixture fixture;
  fixture.mode = kSyntaxNone;
  fixture.SetText(u"a\tb\u3000c\nx");
  RecordingCanvas canvas = fixture.Paint();
  const std::int32_t y = PaintFixture::RowY(0);
  // The tab after "a" (pen 38) reaches the stop at 31 + 28.
  EXPECT_TRUE(Has(canvas, Fill(38, y, 59, y + 14, kSlotBackground)));
  EXPECT_TRUE(Has(canvas, Line(40, 5, 43, 8)));
  EXPECT_TRUE(Has(canvas, Line(43, 8, 39, 12)));
  // The full-width space after "b" (pen 66), 14 wide.
  EXPECT_TRUE(Has(canvas, Fill(66, y, 80, y + 14, kSlotBackground)));
  for (const CanvasCall& side : {Line(68, 4, 68, 12), Line(68, 12, 77, 12), Line(77, 12, 77, 4), Line(77, 4, 68, 4)})
    EXPECT_TRUE(Has(canvas, side));
  // The line end after "c" (pen 87), 8 wide, by line-break style.
  EXPECT_TRUE(Has(canvas, Fill(87, y, 95, y + 14, kSlotBackground)));
  for (const CanvasCall& segment : {Line(93, 5, 93, 10), Line(92, 10, 88, 10), Line(88, 10, 91, 13), Line(88, 10, 91, 7)})
    EXPECT_TRUE(Has(canvas, segment));
  fixture.line_break_style = kLf;
  canvas = fixture.Paint();
  for (const CanvasCall& segment : {Line(91, 5, 91, 12), Line(91, 12, 94, 9), Line(91, 12, 88, 9)})
    EXPECT_TRUE(Has(canvas, segment));
  fixture.line_break_style = kCr;
  canvas = fixture.Paint();
  for (const CanvasCall& segment : {Line(94, 8, 88, 8), Line(88, 8, 91, 11), Line(88, 8, 91, 5)})
    EXPECT_TRUE(Has(canvas, segment));
  EXPECT_EQ(fixture.DrawnUnits(canvas, y), u"abc");
}

TEST(TextPainter, ScrolledSidewaysHiddenUnitsStillColourAndTabsKeepLineStops) {
  PaintFixture fixture;
  fixture.SetText(u"<a hre\nabc\td");
  fixture.view.horizontal_scroll_pixels = 2 * 7;
  RecordingCanvas canvas = fixture.Paint();
  EXPECT_EQ(fixture.DrawnUnits(canvas, PaintFixture::RowY(0)), u" hre");
  EXPECT_EQ(fixture.TextSlots(canvas, PaintFixture::RowY(0)), "7777");
  fixture.view.horizontal_scroll_pixels = 3 * 7;
  canvas = fixture.Paint();
  // Pen starts at 10; "abc" ends at the margin, the tab runs to 10 + 28.
  const std::int32_t y = PaintFixture::RowY(1);
  EXPECT_TRUE(Has(canvas, Fill(31, y, 38, y + 14, kSlotBackground)));
  EXPECT_EQ(fixture.DrawnUnits(canvas, y), u"d");
  EXPECT_EQ(TextCalls(canvas, y, 0)[0].a, 38);
}

TEST(TextPainter, MarginNumbersMarkedLinesAndTheCaretLine) {
  PaintFixture fixture;
  fixture.SetText(u"a\nb\nc");
  fixture.view.caret_line = 1;
  ASSERT_TRUE(fixture.marked.Add(2));
  const RecordingCanvas canvas = fixture.Paint();
  const auto number = [](std::int32_t x, std::int32_t y, const char16_t* digits, Colour text, Colour background) {
    const std::u16string units(digits);
    return CanvasCall{CanvasCall::Kind::Text, x, y, 0, 0, text, background, false, units,
                      std::vector<std::int32_t>(units.size(), 7)};
  };
  EXPECT_TRUE(Has(canvas, number(16, 2, u"1", kSlotMarks, kSlotBackground)));
  EXPECT_TRUE(Has(canvas, number(16, 16, u"2", kSlotText, kSlotBackground)));
  EXPECT_TRUE(Has(canvas, number(16, 30, u"3", kSlotMarks, kSlotMarkedNumber)));
  EXPECT_TRUE(Has(canvas, Fill(0, 30, 16, 44, kSlotMarkedNumber)));
  EXPECT_TRUE(Has(canvas, Fill(16, 43, 23, 44, kSlotMarkedNumber)));
  EXPECT_TRUE(Has(canvas, Fill(23, 30, 31, 44, kSlotBackground)));
  EXPECT_TRUE(Has(canvas, Line(26, 30, 26, 44)));

  // Only the margin: the same margin calls and nothing else.
  RecordingCanvas margin;
  const PaintedDocument document{fixture.store, fixture.mode, fixture.line_break_style, fixture.marked,
                                 fixture.highlights};
  text_painter::PaintMargin(margin, *fixture.metrics, fixture.style, document, fixture.view);
  ASSERT_FALSE(margin.Calls().empty());
  for (const CanvasCall& call : margin.Calls()) {
    EXPECT_TRUE(Has(canvas, call));
    EXPECT_LE(call.kind == CanvasCall::Kind::Fill ? call.c : call.a, kMargin) << call.Describe();
  }
}

TEST(TextPainter, WrappedRowsContinueWithAnEmptyMarginAndMayStartMidLine) {
  PaintFixture fixture;
  const std::u16string text = u"<a href=\"xyz\">text</a>\n<b>&amp;</b>\nplain words";
  fixture.SetText(text, 5);
  ASSERT_GT(fixture.store.TotalRows(), 8);
  fixture.view.client_height = 2 + 14 * 20;
  const RecordingCanvas whole = fixture.Paint();
  EXPECT_TRUE(Has(whole, Fill(0, PaintFixture::RowY(1), kMargin, PaintFixture::RowY(2), kSlotBackground)));
  EXPECT_TRUE(TextCalls(whole, PaintFixture::RowY(1), 0).size() >= 1);
  for (const CanvasCall& call : TextCalls(whole, PaintFixture::RowY(1), 0)) EXPECT_GE(call.a, kMargin);
  fixture.ScrollTo(3);
  ASSERT_EQ(fixture.view.first_line, 0);
  const RecordingCanvas scrolled = fixture.Paint();
  for (int n = 0; n + 3 < fixture.store.TotalRows(); ++n) {
    EXPECT_EQ(fixture.DrawnUnits(scrolled, PaintFixture::RowY(n)), fixture.DrawnUnits(whole, PaintFixture::RowY(n + 3)));
    EXPECT_EQ(fixture.TextSlots(scrolled, PaintFixture::RowY(n)), fixture.TextSlots(whole, PaintFixture::RowY(n + 3)));
  }
}

TEST(TextPainter, EofAfterTheLastUnitWhenTheDocumentEndsInView) {
  PaintFixture fixture;
  fixture.SetText(u"ab");
  RecordingCanvas canvas = fixture.Paint();
  CanvasCall eof{CanvasCall::Kind::Text, 45, 2, 0, 0, kSlotMarks, kSlotBackground, false, u"[EOF]",
                 std::vector<std::int32_t>(5, 7)};
  EXPECT_TRUE(Has(canvas, eof));
  EXPECT_TRUE(Has(canvas, Fill(0, 16, 640, fixture.view.client_height, kSlotBackground)));
  EXPECT_TRUE(Has(canvas, Fill(0, 0, 640, 2, kSlotBackground)));

  fixture.view.horizontal_scroll_pixels = 7;  // pen 38
  canvas = fixture.Paint();
  eof.a = 38;
  EXPECT_TRUE(Has(canvas, eof));
  fixture.view.horizontal_scroll_pixels = 70;  // pen -25: "[EOF]" would end left of the margin
  canvas = fixture.Paint();
  for (const CanvasCall& call : canvas.Calls()) EXPECT_NE(call.units, u"[EOF]");

  // A document longer than the view ends below it.
  std::u16string lines;
  for (int i = 0; i < 30; ++i) lines += u"x\n";
  fixture.SetText(lines);
  fixture.view.horizontal_scroll_pixels = 0;
  canvas = fixture.Paint();
  for (const CanvasCall& call : canvas.Calls()) EXPECT_NE(call.units, u"[EOF]");
  EXPECT_FALSE(Has(canvas, Fill(0, 142, 640, 142, kSlotBackground)));
  // (142 + 14 - 3) / 14 = 10 rows are painted, the last one partly visible.
  EXPECT_FALSE(TextCalls(canvas, PaintFixture::RowY(9), 0).empty());
  EXPECT_TRUE(TextCalls(canvas, PaintFixture::RowY(10), 0).empty());
}

TEST(TextPainter, DivTagsBoldOnlyWhenSwitchedOn) {
  PaintFixture fixture;
  fixture.SetText(u"<div>a</div>");
  fixture.style.bold_tags = true;
  std::vector<CanvasCall> calls = TextCalls(fixture.Paint(), 2, kMargin);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].units, u"<div>");
  EXPECT_TRUE(calls[0].bold);
  EXPECT_FALSE(calls[1].bold);
  EXPECT_TRUE(calls[2].bold);
  fixture.style.bold_tags = false;
  calls = TextCalls(fixture.Paint(), 2, kMargin);
  for (const CanvasCall& call : calls) EXPECT_FALSE(call.bold);
}

TEST(TextPainter, SurrogatePairStaysInOneRunWithTheColoursOfItsFirstHalf) {
  PaintFixture fixture;
  fixture.mode = kSyntaxNone;
  fixture.SetText(u"a\xD83D\xDE00" u"b");
  std::vector<CanvasCall> calls = TextCalls(fixture.Paint(), 2, kMargin);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].advances, (std::vector<std::int32_t>{7, 14, 0, 7}));
  fixture.highlights.has_selection = true;
  fixture.highlights.selection_start = {0, 0, 0};
  fixture.highlights.selection_end = {0, 2, 0};  // between the halves
  calls = TextCalls(fixture.Paint(), 2, kMargin);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].units, u"a\xD83D\xDE00");
  EXPECT_EQ(calls[0].background, static_cast<Colour>(kSlotSelection));
  EXPECT_EQ(calls[1].units, u"b");
  EXPECT_EQ(calls[1].a, kMargin + 21);
}

TEST(TextPainter, UnitsPastTheRightEdgeAreNotDrawnButStillColoured) {
  PaintFixture fixture;
  fixture.view.client_width = 100;
  fixture.SetText(u"<!--" + std::u16string(200, u'x') + u"\n-->a");
  const RecordingCanvas canvas = fixture.Paint();
  for (const CanvasCall& call : canvas.Calls()) {
    if (call.kind == CanvasCall::Kind::Text) EXPECT_LT(call.a, 100) << call.Describe();
    if (call.kind == CanvasCall::Kind::Fill) EXPECT_LE(call.c, 100) << call.Describe();
  }
  EXPECT_EQ(fixture.DrawnUnits(canvas, PaintFixture::RowY(0)).size(), 10u);  // 31 + 10 * 7 >= 100
  EXPECT_EQ(fixture.TextSlots(canvas, PaintFixture::RowY(1)), "9991");
}

}  // namespace

namespace {

TEST(TextPainter, ViewFollowsTheDocumentLayout) {
  PaintFixture fixture;
  std::u16string text;
  for (int i = 0; i < 40; ++i) text += u"<p>some words here</p>\n";
  fixture.SetText(text);
  DocumentLayout layout(fixture.store, *fixture.metrics, false);
  ASSERT_TRUE(layout.Resize(120, 200));  // wrapped, two rows a line
  layout.ScrollTo(7, 3);
  PaintView view = text_painter::ViewOf(layout, 9);
  EXPECT_EQ(view.first_line, 7);
  EXPECT_EQ(view.first_display_row, 7);
  EXPECT_EQ(view.horizontal_scroll_pixels, 21);
  EXPECT_EQ(view.margin_width, layout.MarginWidth());
  EXPECT_EQ(view.caret_line, 9);
  EXPECT_FALSE(view.wrapped);

  ASSERT_TRUE(layout.SetWrapped(true));
  layout.ScrollTo(11, 0);
  view = text_painter::ViewOf(layout, 0);
  const RowLocation top = layout.LocateDisplayRow(11);
  EXPECT_TRUE(view.wrapped);
  EXPECT_EQ(view.first_line, top.line);
  EXPECT_EQ(view.first_row_in_line, top.row);
  EXPECT_GT(view.first_row_in_line, 0);
  EXPECT_EQ(view.horizontal_scroll_pixels, 0);
  // Painted from that view, the top row shows the text of that row.
  fixture.view = view;
  const RecordingCanvas canvas = fixture.Paint();
  LineRecord& line = *fixture.store.Line(top.line);
  std::int32_t start = 0;
  for (std::int32_t r = 0; r < top.row; ++r) start += line.Row(r).units;
  std::u16string row_text(line.MakeContiguous() + start, static_cast<std::size_t>(line.Row(top.row).units));
  row_text.erase(std::remove(row_text.begin(), row_text.end(), u'\n'), row_text.end());
  EXPECT_EQ(fixture.DrawnUnits(canvas, PaintFixture::RowY(0)), row_text);
}

}  // namespace
