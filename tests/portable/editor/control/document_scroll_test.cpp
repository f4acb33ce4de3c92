// Scroll bars, scroll requests, make-visible and the clamp after edits of
// an editor document, observed through its recording window.
#include <gtest/gtest.h>

#include <string>

#include "editor/store/line_record.h"
#include "support/document_fixture.h"

namespace {

using F = DocumentFixture;

TEST(DocumentScroll, BarsFollowTheTextAndThePage) {
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(F::Lines(100)));
  EXPECT_EQ(f.window.vertical, (ScrollBarState{110, 20, 0}));
  // "line 99", the longest line, is 7 units: far shorter than the page.
  EXPECT_EQ(f.window.horizontal, (ScrollBarState{20 + 7, 40, 0}));
}

TEST(DocumentScroll, BottomStopsWithTheLastLineAtMidView) {
  DocumentFixture f;
  f.document.LoadText(F::Lines(100));
  EXPECT_TRUE(f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kBottom, 0));
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 91);
  EXPECT_EQ(f.window.vertical.position, 91);
  ASSERT_EQ(f.window.scrolls.size(), 1u);
  EXPECT_EQ(f.window.scrolls[0].dy, -91 * F::kPitch);
  EXPECT_EQ(f.window.scrolls[0].area.top, 2);  // the top margin never scrolls
  EXPECT_EQ(f.window.paints_now, 1);

  f.window.Reset();
  EXPECT_FALSE(f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kLineDown, 0));
  EXPECT_TRUE(f.window.scrolls.empty());

  DocumentFixture short_text;
  short_text.document.LoadText(F::Lines(10));
  short_text.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kBottom, 0);
  EXPECT_EQ(short_text.document.Layout().FirstVisibleRow(), 1);
}

TEST(DocumentScroll, ThumbScrollsLiveAndItsReleaseDoesNothing) {
  DocumentFixture f;
  f.document.LoadText(F::Lines(100));
  EXPECT_TRUE(f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kThumbTrack, 40));
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 40);
  EXPECT_FALSE(f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kThumbPosition, 10));
  EXPECT_FALSE(f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kEndScroll, 0));
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 40);
  EXPECT_TRUE(f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kPageUp, 0));
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 20);
}

TEST(DocumentScroll, HorizontalScrollKeepsTheMargin) {
  DocumentFixture f;
  f.document.LoadText(std::u16string(200, u'x') + u"\nshort");
  // 200 units: range 20 + 200 columns, last position 181.
  EXPECT_EQ(f.window.horizontal, (ScrollBarState{220, 40, 0}));
  EXPECT_TRUE(f.document.Scroll(ScrollBarKind::kHorizontal, ScrollRequest::kPageDown, 0));
  EXPECT_EQ(f.document.Layout().HorizontalScrollColumn(), 40);
  EXPECT_EQ(f.document.Layout().HorizontalScrollPixels(), 40 * F::kUnit);
  ASSERT_EQ(f.window.scrolls.size(), 1u);
  EXPECT_EQ(f.window.scrolls[0].dx, -40 * F::kUnit);
  EXPECT_EQ(f.window.scrolls[0].area.left, F::kMargin);
  f.document.Scroll(ScrollBarKind::kHorizontal, ScrollRequest::kBottom, 0);
  EXPECT_EQ(f.document.Layout().HorizontalScrollColumn(), 181);
}

TEST(DocumentScroll, WrappedViewScrollsByRowsAndNeverSideways) {
  DocumentFixture f(true);
  // Each line of 100 units wraps into 3 rows of at most 40 columns.
  std::u16string text;
  for (int i = 0; i < 10; ++i) text += std::u16string(100, u'a' + i) + u"\n";
  f.document.LoadText(text);
  const std::int32_t rows = f.document.Store().TotalRows();
  EXPECT_EQ(rows, 31);
  EXPECT_EQ(f.window.vertical, (ScrollBarState{rows + 10, 20, 0}));
  f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kBottom, 0);
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), rows - 10 + 1);
  EXPECT_FALSE(f.document.Scroll(ScrollBarKind::kHorizontal, ScrollRequest::kPageDown, 0));
}

TEST(DocumentScroll, CaretFollowsTheViewAndHidesOutsideIt) {
  DocumentFixture f;
  f.document.LoadText(F::Lines(100));
  f.document.Editor().CaretTo(f.document.Editor().At(3, 2));
  f.document.Navigator().RecomputeCaret();
  EXPECT_EQ(f.LastCaretMove(), "move " + std::to_string(F::kMargin + 2 * F::kUnit) + "," + std::to_string(f.RowY(3)));
  EXPECT_TRUE(f.document.CaretShown());

  f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kPageDown, 0);
  EXPECT_EQ(f.LastCaretMove(), "move " + std::to_string(F::kMargin + 2 * F::kUnit) + "," +
                                   std::to_string((3 - 20) * F::kPitch + 2));
  EXPECT_FALSE(f.document.CaretShown());
  f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kTop, 0);
  EXPECT_TRUE(f.document.CaretShown());

  // Without the focus there is no system caret to move.
  f.document.FocusLost();
  f.window.Reset();
  f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kLineDown, 0);
  EXPECT_EQ(f.LastCaretMove(), "");
}

TEST(DocumentScroll, MakeCaretVisibleBringsTheCaretRowToTheEdgeItCameFrom) {
  DocumentFixture f;
  f.document.LoadText(F::Lines(100));
  f.document.Editor().CaretTo(f.document.Editor().At(60, 0));
  EXPECT_TRUE(f.document.Navigator().MakeCaretVisible(0));
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 41);  // line 60 is the last visible row
  f.document.Editor().CaretTo(f.document.Editor().At(30, 0));
  EXPECT_TRUE(f.document.Navigator().MakeCaretVisible(0));
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 30);
  EXPECT_FALSE(f.document.Navigator().MakeCaretVisible(0));

  DocumentFixture wide;
  wide.document.LoadText(std::u16string(200, u'x'));
  wide.document.Editor().CaretTo(wide.document.Editor().At(0, 100));
  EXPECT_TRUE(wide.document.Navigator().MakeCaretVisible(2));
  // The caret's column is then 2 columns inside the right edge.
  EXPECT_EQ(wide.document.Layout().HorizontalScrollColumn(), 100 + 2 - 40);
  wide.document.Editor().CaretTo(wide.document.Editor().At(0, 10));
  EXPECT_TRUE(wide.document.Navigator().MakeCaretVisible(2));
  EXPECT_EQ(wide.document.Layout().HorizontalScrollColumn(), 8);
}

TEST(DocumentScroll, EditRepaintsFromItsLineDown) {
  DocumentFixture f;
  f.document.LoadText(F::Lines(100));
  f.document.Editor().CaretTo(f.document.Editor().At(5, 0));
  f.window.Reset();
  f.document.Editor().InsertUnit(u'x', RecordMode::Record);
  EXPECT_EQ(f.window.TopmostInvalidated(), f.RowY(5));
  EXPECT_GE(f.window.paints_now, 1);
  EXPECT_EQ(f.window.vertical, (ScrollBarState{110, 20, 0}));
}

TEST(DocumentScroll, DeletingBelowTheViewPullsTheViewBackAndRepaintsAll) {
  DocumentFixture f;
  f.document.LoadText(F::Lines(100));
  f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kBottom, 0);
  ASSERT_EQ(f.document.Layout().FirstVisibleRow(), 91);
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(40, 0), editor.At(99, 7));
  f.window.Reset();
  ASSERT_GE(editor.DeleteSelection(RecordMode::Record, true), 0);
  const std::int32_t lines = f.document.Store().LineCount();
  EXPECT_EQ(lines, 41);
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), lines - 10 + 1);
  EXPECT_EQ(f.window.vertical.position, lines - 10 + 1);
  EXPECT_EQ(f.window.TopmostInvalidated(), 0);
  // The caret, at line 40, is back in view.
  EXPECT_EQ(f.document.Navigator().CaretY(), f.RowY(40));
  EXPECT_TRUE(f.document.CaretShown());
}

TEST(DocumentScroll, ShorteningTheLongestLinePullsTheColumnBack) {
  DocumentFixture f;
  f.document.LoadText(std::u16string(200, u'x') + u"\nshort");
  f.document.Scroll(ScrollBarKind::kHorizontal, ScrollRequest::kBottom, 0);
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 50), editor.At(0, 200));
  ASSERT_GE(editor.DeleteSelection(RecordMode::Record, true), 0);
  // 50 units left: the largest column is 50 - 20 + 1.
  EXPECT_EQ(f.document.Layout().HorizontalScrollColumn(), 31);
  EXPECT_EQ(f.window.horizontal, (ScrollBarState{70, 40, 31}));
}

TEST(DocumentScroll, WrappedClampKeepsHalfAPageBeyondTheText) {
  DocumentFixture f(true);
  f.document.LoadText(F::Lines(100));
  f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kBottom, 0);
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(50, 0), editor.At(99, 7));
  editor.DeleteSelection(RecordMode::Record, true);
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), f.document.Store().TotalRows() - 10 + 1);
}

TEST(DocumentScroll, ResizeChangesThePageAndRewrapsWrappedText) {
  DocumentFixture f(true);
  f.document.LoadText(std::u16string(100, u'a'));
  EXPECT_EQ(f.document.Store().TotalRows(), 3);
  f.document.Resize(F::kMargin + 1 + 20 * F::kUnit, 2 + 10 * F::kPitch);
  EXPECT_EQ(f.document.Store().TotalRows(), 5);
  EXPECT_EQ(f.window.vertical, (ScrollBarState{5 + 5, 10, 0}));
}

TEST(DocumentScroll, WrapSwitchDisablesTheHorizontalBar) {
  DocumentFixture f;
  f.document.LoadText(std::u16string(200, u'x'));
  ASSERT_TRUE(f.document.SetWrapped(true));
  EXPECT_FALSE(f.window.horizontal_enabled);
  EXPECT_EQ(f.window.vertical.maximum, f.document.Store().TotalRows() + 10);
  ASSERT_TRUE(f.document.SetWrapped(false));
  EXPECT_TRUE(f.window.horizontal_enabled);
  EXPECT_EQ(f.window.vertical.maximum, 1 + 10);
}

TEST(DocumentScroll, TheThousandthLineWidensTheMarginAndRepaintsAll) {
  DocumentFixture f;
  f.document.LoadText(F::Lines(990));
  const std::int32_t narrow = f.document.Layout().MarginWidth();
  f.document.Editor().CaretTo(f.document.Editor().At(989, 7));
  f.window.Reset();
  f.document.InsertText(u"\n\n\n\n\n\n\n\n\n\n");
  EXPECT_EQ(f.document.Store().LineCount(), 1000);
  EXPECT_EQ(f.document.Layout().MarginWidth(), narrow + F::kUnit);
  EXPECT_EQ(f.window.TopmostInvalidated(), 0);
}

}  // namespace
