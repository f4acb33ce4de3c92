// Painting with colouring checkpoints draws exactly what a rescan from the
// top draws, over random documents, edits and views.
#include "editor/paint/colour_checkpoints.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editor/paint/syntax_colouring.h"
#include "support/paint_fixture.h"

namespace {

// Pieces that move the machines through most of their states.
const char16_t* const kPieces[] = {
    u"<",      u">",     u"<!--",  u"-->", u"-",      u"<?php ", u"?>",     u"\"",     u"'",  u"&amp;", u"&",
    u"<head>", u"</head>", u"<style type=\"text/css\">", u"<style ", u"</style>", u"<div>", u"</div>",
    u"/*",     u"*/",    u"{",     u"}",   u":",      u";",      u" ",      u"\t",     u"x",  u"color",
    u"\n",     u"\n",    u"\u3000", u"\xD83D\xDE00", u"a=\"v\"", u"p ",
    u"<script>", u"</script>", u"`", u"${", u"/", u"\\", u"return ", u"1.5", u"[", u"]",
};

std::u16string RandomText(std::mt19937& rng, int pieces) {
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
  std::u16string text;
  for (int i = 0; i < pieces; ++i) text += kPieces[pick(rng)];
  return text;
}

int Random(std::mt19937& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

// Edits the text at random and returns the first line it changed.
std::int32_t RandomEdit(std::mt19937& rng, TextStore& store) {
  const std::int32_t index = Random(rng, 0, store.LineCount() - 1);
  LineRecord& line = *store.Line(index);
  switch (Random(rng, 0, 2)) {
    case 0: {
      const std::u16string text = RandomText(rng, Random(rng, 1, 4));
      TextPosition end;
      EXPECT_TRUE(store.InsertText({index, Random(rng, 0, line.TextLength()), 0}, text.data(),
                                   static_cast<std::int32_t>(text.size()), &end));
      return index;
    }
    case 1:
      if (line.TextLength() > 0) {
        const std::int32_t column = Random(rng, 0, line.TextLength() - 1);
        EXPECT_GE(store.DeleteUnits(line, column, Random(rng, 1, line.TextLength() - column)), 0);
      }
      return index;
    default:
      if (store.LineCount() > 1) EXPECT_TRUE(store.RemoveLine(index));
      return index;
  }
}

void RandomView(std::mt19937& rng, PaintFixture& fixture) {
  const bool wrapped = Random(rng, 0, 1) == 1;
  fixture.store.SetWrapWidth(wrapped ? Random(rng, 3, 12) * PaintFixture::kUnit : 0);
  ASSERT_TRUE(fixture.store.RelayoutAll());
  fixture.view.wrapped = wrapped;
  const std::int32_t total = wrapped ? fixture.store.TotalRows() : fixture.store.LineCount();
  fixture.ScrollTo(Random(rng, 0, total - 1));
  fixture.view.horizontal_scroll_pixels = wrapped ? 0 : 7 * Random(rng, 0, 6);
  fixture.view.client_width = Random(rng, 60, 300);
  fixture.view.client_height = Random(rng, 10, 200);
  fixture.view.caret_line = Random(rng, 0, fixture.store.LineCount() - 1);
  fixture.highlights.has_selection = Random(rng, 0, 1) == 1;
  const std::int32_t lines = fixture.store.LineCount();
  TextPosition a{Random(rng, 0, lines - 1), 0, 0}, b{Random(rng, 0, lines - 1), 0, 0};
  a.column = Random(rng, 0, fixture.store.Line(a.line)->TextLength());
  b.column = Random(rng, 0, fixture.store.Line(b.line)->TextLength());
  fixture.highlights.selection_start = Precedes(b, a) ? b : a;
  fixture.highlights.selection_end = Precedes(b, a) ? a : b;
  fixture.highlights.word = Random(rng, 0, 1) ? u"x" : u"";
  const std::int32_t pair_line = Random(rng, 0, lines - 1);
  fixture.pair = {Random(rng, 0, 1) == 1, {pair_line, 0, 2}, {pair_line, 3, 5}};
}

::testing::AssertionResult SameDrawing(const RecordingCanvas& resumed, const RecordingCanvas& rescanned) {
  const auto& a = resumed.Calls();
  const auto& b = rescanned.Calls();
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if (!(a[i] == b[i]))
      return ::testing::AssertionFailure() << "call " << i << ": " << a[i].Describe() << " vs " << b[i].Describe();
  if (a.size() != b.size()) return ::testing::AssertionFailure() << a.size() << " calls vs " << b.size();
  return ::testing::AssertionSuccess();
}

TEST(ColourCheckpoints, ResumedPaintEqualsRescanOverRandomEditsAndViews) {
  std::mt19937 rng(20261207);
  for (int document = 0; document < 24; ++document) {
    PaintFixture fixture;
    fixture.mode = static_cast<SyntaxMode>(Random(rng, 1, 5));
    fixture.line_break_style = static_cast<LineBreakStyle>(Random(rng, 0, 2));
    fixture.style.bold_tags = Random(rng, 0, 1) == 1;
    fixture.SetText(RandomText(rng, Random(rng, 20, 400)));
    ColourCheckpoints checkpoints(Random(rng, 1, 5));
    for (int round = 0; round < 30; ++round) {
      if (round > 0) checkpoints.InvalidateFrom(RandomEdit(rng, fixture.store));
      RandomView(rng, fixture);
      const RecordingCanvas resumed = fixture.Paint(&checkpoints);
      ASSERT_TRUE(SameDrawing(resumed, fixture.Paint())) << "document " << document << " round " << round;
    }
  }
}

TEST(ColourCheckpoints, AnEditWithoutInvalidationWouldShowStaleColours) {
  PaintFixture fixture;
  std::u16string text;
  for (int i = 0; i < 12; ++i) text += u"a<b>\n";
  fixture.SetText(text);
  ColourCheckpoints checkpoints(2);
  fixture.ScrollTo(9);
  ASSERT_TRUE(SameDrawing(fixture.Paint(&checkpoints), fixture.Paint()));
  EXPECT_EQ(checkpoints.Count(), 5);

  TextPosition end;
  ASSERT_TRUE(fixture.store.InsertText({1, 0, 0}, u"<!--", 4, &end));
  EXPECT_FALSE(SameDrawing(fixture.Paint(&checkpoints), fixture.Paint()));
  checkpoints.InvalidateFrom(1);
  EXPECT_EQ(checkpoints.Count(), 1);
  const RecordingCanvas resumed = fixture.Paint(&checkpoints);
  EXPECT_TRUE(SameDrawing(resumed, fixture.Paint()));
  EXPECT_EQ(fixture.TextSlots(resumed, PaintFixture::RowY(0)), "9999");
}

TEST(ColourCheckpoints, KeepOnlyStatesAboveTheEditAndFollowTheMode) {
  PaintFixture fixture;
  fixture.SetText(u"<!--\n-->\n<b>\n{a:b\n\n\n\n\nx");
  ColourCheckpoints checkpoints(3);
  SyntaxState expected;
  for (std::int32_t line = 0; line < 8; ++line) {
    LineRecord& record = *fixture.store.Line(line);
    syntax_colouring::ScanLine(expected, kSyntaxHtml, {record.MakeContiguous(), record.Length()});
  }
  EXPECT_EQ(checkpoints.StateAtLine(fixture.store, kSyntaxHtml, 8), expected);
  EXPECT_EQ(checkpoints.Count(), 3);  // before lines 0, 3 and 6
  checkpoints.InvalidateFrom(6);
  EXPECT_EQ(checkpoints.Count(), 3);  // line 6 changed: its state, from above, still holds
  checkpoints.InvalidateFrom(5);
  EXPECT_EQ(checkpoints.Count(), 2);
  checkpoints.InvalidateFrom(0);
  EXPECT_EQ(checkpoints.Count(), 1);
  // Another mode starts over; its states differ from the HTML ones.
  const SyntaxState css = checkpoints.StateAtLine(fixture.store, kSyntaxCss, 4);
  EXPECT_EQ(css, colour_scan::StateAtLine(fixture.store, kSyntaxCss, 4, nullptr));
  EXPECT_NE(css, colour_scan::StateAtLine(fixture.store, kSyntaxHtml, 4, nullptr));
}

}  // namespace
