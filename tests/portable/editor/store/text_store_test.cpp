// The store's ring, line operations, line breaks, copies and totals.
#include "editor/store/text_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/wide_string.h"
#include "support/fixed_width_layout.h"
#include "support/store_text.h"

namespace {

using Lines = std::vector<std::u16string>;

class TextStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store.Valid()); }
  // Lines "line0\n" .. "line<n-2>\n", "line<n-1>".
  void FillNumbered(int count) {
    std::u16string text;
    for (int i = 0; i < count; ++i) {
      if (i > 0) text += u'\n';
      text += u"line" + std::u16string(1, static_cast<char16_t>(u'0' + i));
    }
    FillStore(store, text);
  }

  FixedWidthLayout layout{8};
  TextStore store{layout, 0};
};

TEST_F(TextStoreTest, EmptyStoreIsOneEmptyLineThatCannotBeRemoved) {
  EXPECT_EQ(store.LineCount(), 1);
  EXPECT_EQ(store.Line(0)->Length(), 0);
  EXPECT_EQ(store.TotalRows(), 1);
  EXPECT_EQ(store.LongestWidth(), 0);
  EXPECT_FALSE(store.RemoveLine(0));
  EXPECT_EQ(store.Line(1), nullptr);
  EXPECT_EQ(store.Line(-1), nullptr);
  EXPECT_EQ(store.Line(0)->Next(), store.Line(0));
  EXPECT_EQ(store.Line(0)->Previous(), store.Line(0));
}

TEST_F(TextStoreTest, CarriageReturnsAreDroppedAndCrLfIsOneBreak) {
  TextPosition end;
  ASSERT_TRUE(store.InsertText({0, 0, 0}, u"a\r\nb", 4, &end));
  EXPECT_EQ(StoreLines(store), (Lines{u"a\n", u"b"}));
  EXPECT_EQ(end.line, 1);
  EXPECT_EQ(end.column, 1);
  ASSERT_TRUE(store.InsertText({1, 1, 0}, u"\rc\r", 3, &end));  // lone CRs vanish too
  EXPECT_EQ(StoreLines(store), (Lines{u"a\n", u"bc"}));
  EXPECT_EQ(end.column, 2);
}

TEST_F(TextStoreTest, InsertTextSplitsTheLineAndReturnsTheEnd) {
  FillStore(store, u"abcdef\nxyz");
  TextPosition end;
  ASSERT_TRUE(store.InsertText({0, 3, 0}, u"1\n22\n333", 8, &end));
  EXPECT_EQ(StoreLines(store), (Lines{u"abc1\n", u"22\n", u"333def\n", u"xyz"}));
  EXPECT_EQ(end.line, 2);
  EXPECT_EQ(end.column, 3);
  ASSERT_TRUE(store.InsertText({3, 3, 0}, u"\n", 1, &end));  // at the end of the last line
  EXPECT_EQ(StoreLines(store), (Lines{u"abc1\n", u"22\n", u"333def\n", u"xyz\n", u""}));
  EXPECT_EQ(end.line, 4);
  EXPECT_EQ(end.column, 0);
  ASSERT_TRUE(store.InsertText({1, 99, 0}, u"!\n", 2, &end));  // column clamped before the line feed
  EXPECT_EQ(StoreLines(store), (Lines{u"abc1\n", u"22!\n", u"\n", u"333def\n", u"xyz\n", u""}));
  EXPECT_EQ(store.TotalRows(), 6);
  EXPECT_EQ(store.LongestWidth(), 6 * 8);
  EXPECT_FALSE(store.InsertText({6, 0, 0}, u"x", 1, &end));
  EXPECT_FALSE(store.InsertText({0, 0, 0}, nullptr, 1, &end));
}

TEST_F(TextStoreTest, LineAccessWalksTheRingAndCachesTheLine) {
  FillNumbered(8);
  EXPECT_EQ(LineText(*store.Line(5)), u"line5\n");
  EXPECT_EQ(store.CachedIndex(), 5);
  EXPECT_EQ(LineText(*store.Line(2)), u"line2\n");
  EXPECT_EQ(store.CachedIndex(), 2);
  EXPECT_EQ(store.Line(7)->Next(), store.Line(0));
  EXPECT_EQ(store.Line(0)->Previous(), store.Line(7));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(store.Line(i)->Next(), store.Line((i + 1) % 8));
}

TEST_F(TextStoreTest, InsertLineTakesTheIndexAndRemoveLineMovesTheCache) {
  FillNumbered(3);
  LineRecord* added = store.InsertLine(1, 10, true);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->Capacity(), 42);
  EXPECT_EQ(store.CachedIndex(), 1);
  EXPECT_EQ(store.Line(1), added);
  EXPECT_EQ(added->Row(0).units, 1);
  ASSERT_NE(store.InsertLine(0, -5, false), nullptr);
  EXPECT_EQ(store.Line(0)->Capacity(), 32);
  ASSERT_NE(store.InsertLine(99, 0, false), nullptr);  // past the end appends
  EXPECT_EQ(StoreLines(store), (Lines{u"", u"line0\n", u"\n", u"line1\n", u"line2", u""}));
  EXPECT_EQ(store.TotalRows(), 6);

  ASSERT_TRUE(store.RemoveLine(3));
  EXPECT_EQ(store.CachedIndex(), 2);
  ASSERT_TRUE(store.RemoveLine(0));
  EXPECT_EQ(store.CachedIndex(), 0);
  EXPECT_EQ(LineText(*store.Line(0)), u"line0\n");
  EXPECT_FALSE(store.RemoveLine(4));
  EXPECT_FALSE(store.RemoveLine(-1));
  EXPECT_EQ(StoreLines(store), (Lines{u"line0\n", u"\n", u"line2", u""}));
  EXPECT_EQ(store.TotalRows(), 4);
}

TEST_F(TextStoreTest, SplitAtColumnZeroInsertsALineFeedLineBefore) {
  FillNumbered(8);
  LineRecord* old_line = store.Line(5);
  LineRecord* receiver = store.SplitAtCaret({5, 0, 0});
  ASSERT_NE(receiver, nullptr);
  EXPECT_EQ(store.Line(5), receiver);
  EXPECT_EQ(LineText(*receiver), u"\n");
  EXPECT_EQ(store.Line(6), old_line);
  EXPECT_EQ(LineText(*old_line), u"line5\n");
  EXPECT_EQ(store.LineCount(), 9);
  EXPECT_EQ(store.TotalRows(), 9);
}

TEST_F(TextStoreTest, SplitAtTheEndOfTheLastLineAddsAnEmptyLastLine) {
  FillNumbered(3);
  LineRecord* caret_line = store.Line(2);
  EXPECT_EQ(store.SplitAtCaret({2, 5, 5 * 8}), caret_line);
  EXPECT_EQ(StoreLines(store), (Lines{u"line0\n", u"line1\n", u"line2\n", u""}));
  EXPECT_EQ(store.TotalRows(), 4);
}

TEST_F(TextStoreTest, SplitAtTheEndOfAnInnerLineAddsALineFeedLineAfter) {
  FillNumbered(3);
  LineRecord* caret_line = store.SplitAtCaret({1, 5, 5 * 8});
  ASSERT_EQ(caret_line, store.Line(1));
  ASSERT_TRUE(store.InsertUnits(*caret_line, u"X", 1, 5));
  EXPECT_EQ(StoreLines(store), (Lines{u"line0\n", u"line1X\n", u"\n", u"line2"}));
}

TEST_F(TextStoreTest, SplitInsideALineMovesTheTailToANewLine) {
  FillStore(store, u"abcdef\nghijkl");
  LineRecord* caret_line = store.SplitAtCaret({0, 2, 16});
  ASSERT_EQ(caret_line, store.Line(0));
  EXPECT_EQ(StoreLines(store), (Lines{u"ab\n", u"cdef\n", u"ghijkl"}));
  // An x equal to the line width must not be taken for the line end.
  const std::int32_t width = store.Line(2)->Width();
  ASSERT_NE(store.SplitAtCaret({2, 3, width}), nullptr);
  EXPECT_EQ(StoreLines(store), (Lines{u"ab\n", u"cdef\n", u"ghi\n", u"jkl"}));
  EXPECT_EQ(store.LongestWidth(), 4 * 8);
  EXPECT_EQ(store.SplitAtCaret({9, 0, 0}), nullptr);
}

TEST_F(TextStoreTest, SelectionTextCopiesWholeLinesBetweenItsEnds) {
  FillStore(store, u"zero\none\nabcdef\nthree\nfour\nfive");
  store.Selection().start = {2, 3, 0};
  store.Selection().end = {4, 0, 0};
  WideString text;
  ASSERT_TRUE(store.SelectionText(text, false));
  EXPECT_EQ(text.View(), u"def\nthree\n");
  ASSERT_TRUE(store.SelectionText(text, true));
  EXPECT_EQ(text.View(), u"def\r\nthree\r\n");
  EXPECT_EQ(text.Data()[text.Length()], 0);

  ASSERT_TRUE(store.RangeText({4, 2, 0}, {2, 1, 0}, text, true));  // ends in either order
  EXPECT_EQ(text.View(), u"bcdef\r\nthree\r\nfo");
  ASSERT_TRUE(store.RangeText({1, 1, 0}, {1, 3, 0}, text, true));
  EXPECT_EQ(text.View(), u"ne");
  ASSERT_TRUE(store.RangeText({0, 2, 0}, {0, 5, 0}, text, true));  // one line, its line feed included
  EXPECT_EQ(text.View(), u"ro\r\n");
  ASSERT_TRUE(store.RangeText({5, 4, 0}, {5, 4, 0}, text, false));
  EXPECT_EQ(text.View(), u"");
  EXPECT_FALSE(store.RangeText({0, 0, 0}, {6, 0, 0}, text, false));
}

TEST_F(TextStoreTest, CurrentLineTextLeavesOutTheLineFeed) {
  FillStore(store, std::u16string(u"ab\0c\nlast", 9));
  WideString text;
  store.Selection().caret = {0, 1, 8};
  ASSERT_TRUE(store.CurrentLineText(text));
  EXPECT_EQ(text.View(), std::u16string_view(u"ab\0c", 4));
  store.Selection().caret = {1, 0, 0};
  ASSERT_TRUE(store.CurrentLineText(text));
  EXPECT_EQ(text.View(), u"last");
}

TEST_F(TextStoreTest, ClearLeavesOneEmptyLineAndResetsCaretAndSelection) {
  FillNumbered(6);
  store.Selection() = {{3, 2, 16}, {1, 0, 0}, {1, 0, 0}, {3, 2, 16}, true};
  store.Clear();
  EXPECT_EQ(StoreLines(store), (Lines{u""}));
  EXPECT_EQ(store.TotalRows(), 1);
  EXPECT_EQ(store.LongestWidth(), 0);
  EXPECT_EQ(store.CachedIndex(), 0);
  EXPECT_FALSE(store.Selection().exists);
  EXPECT_EQ(store.Selection().caret, (TextPosition{0, 0, 0}));
  EXPECT_EQ(store.Selection().anchor, (TextPosition{0, 0, 0}));
  EXPECT_EQ(store.Selection().end, (TextPosition{0, 0, 0}));
}

TEST_F(TextStoreTest, LongestWidthFollowsGrowthShrinkingAndRemoval) {
  FillStore(store, u"abc\nabcdefg\nabcde");
  EXPECT_EQ(store.LongestWidth(), 7 * 8);
  ASSERT_EQ(store.DeleteUnits(*store.Line(1), 0, 4), u'a');  // the widest shrinks
  EXPECT_EQ(store.LongestWidth(), 5 * 8);
  ASSERT_TRUE(store.InsertUnits(*store.Line(0), u"0123456789", 10, 0));
  EXPECT_EQ(store.LongestWidth(), 13 * 8);
  ASSERT_TRUE(store.RemoveLine(0));
  EXPECT_EQ(store.LongestWidth(), 5 * 8);
}

TEST_F(TextStoreTest, RelayoutAllRecountsRowsForANewWrapWidth) {
  FillStore(store, u"abcdefghij\nabc\nabcdefg");
  EXPECT_EQ(store.TotalRows(), 3);
  store.SetWrapWidth(4 * 8);
  EXPECT_TRUE(store.RelayoutAll());
  EXPECT_EQ(store.TotalRows(), 3 + 1 + 2);
  EXPECT_EQ(store.LongestWidth(), 10 * 8);
  ASSERT_TRUE(store.InsertUnits(*store.Line(1), u"xyz", 3, 0));  // "xyzabc\n": two rows now
  EXPECT_EQ(store.TotalRows(), 7);
  ASSERT_TRUE(store.RemoveLine(0));
  EXPECT_EQ(store.TotalRows(), 4);

  layout.SetFailMultiRow(true);
  store.SetWrapWidth(2 * 8);
  EXPECT_FALSE(store.RelayoutAll());
  std::int32_t rows = 0;
  for (std::int32_t i = 0; i < store.LineCount(); ++i) rows += store.Line(i)->RowCount();
  EXPECT_EQ(store.TotalRows(), rows);  // totals match whatever rows the lines kept
}

}  // namespace
