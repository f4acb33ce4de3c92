#include "editor/layout/scroll_arithmetic.h"

#include <gtest/gtest.h>

namespace {

using scroll_arithmetic::ClampAmount;
using scroll_arithmetic::LargestColumn;
using scroll_arithmetic::LargestFirstRow;
using scroll_arithmetic::LastPosition;
using scroll_arithmetic::RequestAmount;

TEST(ScrollArithmetic, LastLineStopsAboutMidView) {
  const ScrollBarState hundred = scroll_arithmetic::VerticalBar(100, 20, 0);
  EXPECT_EQ(hundred, (ScrollBarState{110, 20, 0}));
  EXPECT_EQ(LastPosition(hundred), 91);
  EXPECT_EQ(LargestFirstRow(100, 20), 91);
  EXPECT_EQ(RequestAmount(hundred, ScrollRequest::kBottom, 0), -91);

  const ScrollBarState ten = scroll_arithmetic::VerticalBar(10, 20, 0);
  EXPECT_EQ(LastPosition(ten), 1);
  EXPECT_EQ(LargestFirstRow(10, 20), 1);
  EXPECT_EQ(RequestAmount(ten, ScrollRequest::kPageDown, 0), -1);
}

TEST(ScrollArithmetic, EditClampAgreesWithTheBarForAnyPage) {
  // The bar and the clamp after edits must allow the same last row, or an
  // edit would pull the view away from where the bar can put it.
  for (std::int32_t rows = 1; rows < 60; ++rows) {
    for (std::int32_t visible = 1; visible < 45; ++visible) {
      EXPECT_EQ(LastPosition(scroll_arithmetic::VerticalBar(rows, visible, 0)), LargestFirstRow(rows, visible))
          << rows << " rows, " << visible << " visible";
    }
  }
  for (std::int32_t width = 0; width < 400; width += 13) {
    for (std::int32_t columns = 1; columns < 30; ++columns) {
      EXPECT_EQ(LastPosition(scroll_arithmetic::HorizontalBar(width, 7, columns, 0)), LargestColumn(width, 7, columns))
          << width << " pixels, " << columns << " columns";
    }
  }
}

TEST(ScrollArithmetic, RequestsMoveByLinePageThumbAndEnds) {
  const ScrollBarState bar{110, 20, 50};
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kLineUp, 0), 1);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kLineDown, 0), -1);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kPageUp, 0), 20);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kPageDown, 0), -20);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kThumbTrack, 70), -20);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kThumbTrack, 5), 45);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kTop, 0), 50);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kBottom, 0), -41);
  // The thumb's release and the end of scrolling move nothing: dragging
  // already scrolled live.
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kThumbPosition, 70), 0);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kEndScroll, 0), 0);
}

TEST(ScrollArithmetic, AmountsStopAtBothEnds) {
  EXPECT_EQ(RequestAmount({110, 20, 0}, ScrollRequest::kLineUp, 0), 0);
  EXPECT_EQ(RequestAmount({110, 20, 91}, ScrollRequest::kLineDown, 0), 0);
  EXPECT_EQ(RequestAmount({110, 20, 85}, ScrollRequest::kPageDown, 0), -6);
  EXPECT_EQ(RequestAmount({110, 20, 5}, ScrollRequest::kPageUp, 0), 5);
  EXPECT_EQ(RequestAmount({110, 20, 50}, ScrollRequest::kThumbTrack, 500), -41);
  EXPECT_EQ(ClampAmount({110, 20, 10}, 1000), 10);
  EXPECT_EQ(ClampAmount({110, 20, 10}, -1000), -81);
}

TEST(ScrollArithmetic, TextShorterThanHalfThePageCannotScroll) {
  // One line in a 20-row view: the range is smaller than the page.
  const ScrollBarState bar = scroll_arithmetic::VerticalBar(1, 20, 0);
  EXPECT_EQ(LastPosition(bar), 0);
  for (auto request : {ScrollRequest::kLineDown, ScrollRequest::kPageDown, ScrollRequest::kBottom,
                       ScrollRequest::kLineUp, ScrollRequest::kTop})
    EXPECT_EQ(RequestAmount(bar, request, 0), 0);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kThumbTrack, 7), 0);
}

TEST(ScrollArithmetic, AViewLeftBeyondTheBarOnlyMovesBack) {
  // After the text shrank and before the clamp: any movement returns into
  // range, never further out.
  const ScrollBarState bar{15, 10, 12};
  EXPECT_EQ(LastPosition(bar), 6);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kLineDown, 0), 6);
  EXPECT_EQ(RequestAmount(bar, ScrollRequest::kTop, 0), 12);
}

TEST(ScrollArithmetic, HorizontalRangeReachesHalfAPagePastTheLongestLine) {
  const ScrollBarState bar = scroll_arithmetic::HorizontalBar(700, 7, 40, 3);
  EXPECT_EQ(bar, (ScrollBarState{120, 40, 3}));
  EXPECT_EQ(LastPosition(bar), 81);
  EXPECT_EQ(LargestColumn(700, 7, 40), 81);
  EXPECT_EQ(LargestColumn(70, 7, 40), 0);
}

// Rows above the view count from the first pixel above it.
TEST(ScrollArithmetic, RowsBelowTopRoundDown) {
  struct Case {
    std::int32_t offset, rows;
  } cases[] = {{0, 0}, {13, 0}, {14, 1}, {-1, -1}, {-14, -1}, {-15, -2}, {-28, -2}, {-29, -3}};
  for (const Case& c : cases) EXPECT_EQ(scroll_arithmetic::RowsBelowTop(c.offset, 14), c.rows) << c.offset;
  EXPECT_EQ(scroll_arithmetic::RowsBelowTop(-5, 0), -5);
}

}  // namespace
