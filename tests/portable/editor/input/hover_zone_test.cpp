// Which zone the pointer hovers over, and the cursor each zone asks for.
#include <gtest/gtest.h>

#include "support/document_fixture.h"
#include "support/mouse_driver.h"

namespace {

using mouse_driver::TextPoint;
constexpr std::int32_t kUnit = DocumentFixture::kUnit;
constexpr std::int32_t kMargin = DocumentFixture::kMargin;

HoverZone ZoneAt(Document& document, PointerPoint point) {
  document.PointerMoved(point, 0);
  return document.Zone();
}

TEST(HoverZone, MarginEndsFourPixelsBeforeTheTextAndOutsideIsText) {
  DocumentFixture f;
  f.document.LoadText(u"abc");
  const std::int32_t y = f.RowY(0) + 3;
  EXPECT_EQ(ZoneAt(f.document, {0, y}), HoverZone::Margin);
  EXPECT_EQ(ZoneAt(f.document, {kMargin - 5, y}), HoverZone::Margin);
  EXPECT_EQ(ZoneAt(f.document, {kMargin - 4, y}), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, {-1, y}), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, {DocumentFixture::kWidth, y}), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, {DocumentFixture::kWidth - 1, y}), HoverZone::Text);

  EditorCursor cursor = kCursorNo;
  EXPECT_FALSE(f.document.HoverCursor(cursor));
  ZoneAt(f.document, {2, y});
  ASSERT_TRUE(f.document.HoverCursor(cursor));
  EXPECT_EQ(cursor, kCursorMargin);
}

TEST(HoverZone, LeaveTrackingIsAskedForWhenThePointerComesBack) {
  DocumentFixture f;
  ZoneAt(f.document, {50, 10});
  ZoneAt(f.document, {60, 10});
  EXPECT_EQ(f.window.leave_requests, 1);
  f.document.PointerLeft();
  EXPECT_EQ(f.document.Zone(), HoverZone::Unclassified);
  ZoneAt(f.document, {60, 10});
  EXPECT_EQ(f.window.leave_requests, 2);
}

TEST(HoverZone, OneRowSelectionCoversItsColumnsOnly) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef\nxyz");
  f.document.Editor().Select(f.document.Editor().At(0, 2), f.document.Editor().At(0, 4));
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 0, 1)), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 0, 2)), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, {kMargin + 4 * kUnit - 1, f.RowY(0) + 3}), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 0, 4)), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 1, 3)), HoverZone::Text);
  EditorCursor cursor = kCursorNo;
  ZoneAt(f.document, TextPoint(f, 0, 3));
  ASSERT_TRUE(f.document.HoverCursor(cursor));
  EXPECT_EQ(cursor, kCursorArrow);
}

TEST(HoverZone, ManyRowSelectionRunsPastEachRowEnd) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef\nxy\nlmnop\nqr");
  f.document.Editor().Select(f.document.Editor().At(0, 4), f.document.Editor().At(2, 2));
  // First row: from the start column to 8 pixels past the line end.
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 0, 3)), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, {kMargin + 6 * kUnit + 7, f.RowY(0) + 3}), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, {kMargin + 6 * kUnit + 8, f.RowY(0) + 3}), HoverZone::Text);
  // Rows between: from the start.
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 1, 0)), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, {kMargin + 2 * kUnit + 7, f.RowY(1) + 3}), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, {kMargin + 2 * kUnit + 8, f.RowY(1) + 3}), HoverZone::Text);
  // Last row: up to the end column.
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 2, 1)), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 2, 2)), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 3, 0)), HoverZone::Text);
}

TEST(HoverZone, BelowTheTextCountsAsTheLastRow) {
  DocumentFixture f;
  f.document.LoadText(u"abc\ndef");
  f.document.Editor().Select(f.document.Editor().At(0, 1), f.document.Editor().At(1, 3));
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 8, 1)), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 8, 3)), HoverZone::Text);
}

TEST(HoverZone, WrappedRowsUseTheirOwnWidths) {
  DocumentFixture f(true);
  f.document.LoadText(std::u16string(50, u'a') + u"\nb");
  LineRecord* line = f.document.Store().Line(0);
  ASSERT_EQ(line->RowCount(), 2);
  const std::int32_t second_row_width = line->Row(1).width;
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 2), editor.At(1, 0));
  // The first row from column 2; the row between from its start to 8
  // pixels past its own end.
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 0, 1)), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 0, 3)), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, {kMargin + second_row_width + 7, f.RowY(1) + 3}), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, {kMargin + second_row_width + 8, f.RowY(1) + 3}), HoverZone::Text);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 2, 0)), HoverZone::Text);
}

TEST(HoverZone, ScrolledSidewaysTheTextXCountsFromTheLineStart) {
  DocumentFixture f;
  f.document.LoadText(std::u16string(100, u'a'));
  f.document.Editor().Select(f.document.Editor().At(0, 50), f.document.Editor().At(0, 52));
  f.document.ScrollBy(ScrollBarKind::kHorizontal, -45);
  ASSERT_EQ(f.document.Layout().HorizontalScrollColumn(), 45);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 0, 5)), HoverZone::Selection);
  EXPECT_EQ(ZoneAt(f.document, TextPoint(f, 0, 7)), HoverZone::Text);
}

}  // namespace
