#include "editor/input/caret_visibility.h"

#include <gtest/gtest.h>

namespace {

// 10 visible rows and 10 visible columns of 7 pixels.
CaretVisibilityQuery View(int first_row, int column, int caret_row, int caret_x) {
  CaretVisibilityQuery q;
  q.view = {first_row, column};
  q.visible_rows = 10;
  q.visible_columns = 10;
  q.average_width = 7;
  q.caret_row = caret_row;
  q.caret_x = caret_x;
  return q;
}

TEST(CaretVisibility, Targets) {
  struct Case {
    const char* name;
    CaretVisibilityQuery query;
    int margin;
    ScrollPosition target;
  } cases[] = {
      {"in view", View(5, 0, 9, 0), 0, {5, 0}},
      {"last visible row", View(5, 0, 14, 0), 0, {5, 0}},
      {"one below", View(5, 0, 15, 0), 0, {6, 0}},
      {"far below: the last visible row", View(5, 0, 40, 0), 0, {31, 0}},
      {"above: the first visible row", View(5, 0, 2, 0), 0, {2, 0}},
      {"right edge without room", View(0, 0, 0, 69), 0, {0, 0}},
      {"at the right edge", View(0, 0, 0, 70), 0, {0, 0}},
      {"a column past the right edge", View(0, 0, 0, 77), 0, {0, 1}},
      {"two columns of room", View(0, 0, 0, 56), 2, {0, 0}},
      {"two columns of room, one short", View(0, 0, 0, 63), 2, {0, 1}},
      {"left of the view", View(0, 5, 0, 21), 0, {0, 3}},
      {"left of the view by a few pixels", View(0, 5, 0, 33), 0, {0, 4}},
      {"left with room", View(0, 5, 0, 35), 2, {0, 3}},
      {"never left of column 0", View(0, 1, 0, 0), 2, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(caret_visibility::Target(c.query, c.margin), c.target) << c.name;
  }
}

TEST(CaretVisibility, WrappedViewsNeverScrollSideways) {
  CaretVisibilityQuery q = View(0, 0, 3, 500);
  q.wrapped = true;
  EXPECT_EQ(caret_visibility::Target(q, 2), (ScrollPosition{0, 0}));
}

TEST(CaretVisibility, AOneLineSelectionThatFitsStaysWhole) {
  CaretVisibilityQuery q = View(0, 0, 0, 20);
  q.one_line_selection = true;
  q.selection_start_x = 20;
  q.selection_end_x = 84;  // 64 pixels: fits the 70 of the page
  EXPECT_EQ(caret_visibility::Target(q, 2), (ScrollPosition{0, 2}));  // the end comes into view
  q.view.horizontal_column = 5;
  EXPECT_EQ(caret_visibility::Target(q, 2), (ScrollPosition{0, 2}));  // the start comes into view
  q.view.horizontal_column = 2;
  q.caret_x = 84;
  EXPECT_EQ(caret_visibility::Target(q, 2), (ScrollPosition{0, 2}));  // both seen: no room added
  q.selection_start_x = 0;  // 84 pixels: too wide, the caret decides
  EXPECT_EQ(caret_visibility::Target(q, 2), (ScrollPosition{0, 4}));
}

TEST(CaretVisibility, ATinyViewStillShowsTheCaretRow) {
  CaretVisibilityQuery q = View(0, 0, 7, 0);
  q.visible_rows = 0;
  q.visible_columns = 0;
  EXPECT_EQ(caret_visibility::Target(q, 2), (ScrollPosition{7, 0}));
}

}  // namespace
