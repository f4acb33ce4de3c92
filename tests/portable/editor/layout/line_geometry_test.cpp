#include "editor/layout/line_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fixed_metrics.h"

namespace {

// A line's text with its rows, as a line record would hold them.
struct FakeLine {
  std::u16string text;
  std::vector<RowInfo> rows;
  std::int32_t Length() const { return std::int32_t(text.size()); }
  std::int32_t RowCount() const { return std::int32_t(rows.size()); }
  RowInfo Row(std::int32_t i) const { return rows[i]; }
};

class LineGeometry : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(metrics_); }
  std::unique_ptr<TextMetrics> metrics_ = MakeFixedMetrics();  // 7 px, wide 14, tab 28
};

struct HitCase {
  const char16_t* text;
  std::int32_t start, end, width;  // the row
  std::int32_t x;
  std::int32_t column, caret_x, unit_index;
};

TEST_F(LineGeometry, HitTestPicksTheNearerSideOfACharacter) {
  const HitCase cases[] = {
      // 'a' covers 0..7: its left half ends before 7 - 7 / 2 = 4.
      {u"abc", 0, 3, 21, 0, 0, 0, 0},
      {u"abc", 0, 3, 21, 3, 0, 0, 0},
      {u"abc", 0, 3, 21, 4, 1, 7, 0},
      {u"abc", 0, 3, 21, 7, 1, 7, 0},
      {u"abc", 0, 3, 21, 10, 1, 7, 1},
      {u"abc", 0, 3, 21, 11, 2, 14, 1},
      {u"abc", 0, 3, 21, 100, 3, 21, 2},  // clamped to the width
      {u"abc", 0, 3, 21, -5, 0, 0, 0},
      {u"abc\n", 0, 4, 21, 21, 3, 21, 2},  // the line feed is never passed
      {u"", 0, 0, 0, 30, 0, 0, 0},
      // Wide characters: 14 pixels, halves at 7.
      {u"\u65E5\u672C", 0, 2, 28, 6, 0, 0, 0},
      {u"\u65E5\u672C", 0, 2, 28, 7, 1, 14, 0},
      // A surrogate pair is one character: the caret never lands inside it.
      {u"a\U0001F600b", 0, 4, 28, 13, 1, 7, 1},
      {u"a\U0001F600b", 0, 4, 28, 14, 3, 21, 1},
      {u"a\U0001F600b", 0, 4, 28, 25, 4, 28, 3},
      // A tab from 7 to 28: its halves meet at 28 - 21 / 2 = 18.
      {u"a\tb", 0, 3, 35, 17, 1, 7, 1},
      {u"a\tb", 0, 3, 35, 18, 2, 28, 1},
      // The second row of 'abc def' wrapped after the space: x from the row start.
      {u"abc def", 4, 7, 21, 0, 4, 0, 4},
      {u"abc def", 4, 7, 21, 3, 4, 0, 4},
      {u"abc def", 4, 7, 21, 4, 5, 7, 4},
      {u"abc def", 4, 7, 21, 21, 7, 21, 6},
  };
  for (const HitCase& c : cases) {
    std::u16string_view text(c.text);
    line_geometry::Hit hit =
        line_geometry::HitTest(*metrics_, text.data(), text.size(), c.start, c.end, c.width, c.x);
    SCOPED_TRACE(testing::Message() << "text of " << text.size() << " units, row " << c.start << ".." << c.end
                                    << ", x " << c.x);
    EXPECT_EQ(hit.column, c.column);
    EXPECT_EQ(hit.x, c.caret_x);
    EXPECT_EQ(hit.unit_index, c.unit_index);
  }
}

TEST_F(LineGeometry, PenAtColumns) {
  std::u16string_view text = u"ab\tc\U0001F600d";
  const std::int32_t expected[] = {0, 7, 14, 28, 35, 49, 49, 56};
  for (std::int32_t column = 0; column <= std::int32_t(text.size()); ++column) {
    EXPECT_EQ(line_geometry::PenAt(*metrics_, text.data(), text.size(), 0, column), expected[column]) << column;
  }
  // Tabs in a later row are measured from the row start.
  EXPECT_EQ(line_geometry::PenAt(*metrics_, text.data(), text.size(), 1, 3), 28);
}

struct RowCase {
  std::int32_t column;
  std::int32_t row_up, x, row_end;  // ColumnToX
  std::int32_t row_down;            // RowOf with the boundary going down
};

TEST_F(LineGeometry, ColumnsOnRowBoundaries) {
  // 'abc def' wrapped after the space, and a line feed ending the last row.
  FakeLine line{u"abc def\n", {{4, 28}, {4, 21}}};
  const RowCase cases[] = {
      {0, 0, 0, false, 0}, {3, 0, 21, false, 0}, {4, 0, 28, true, 1},
      {5, 1, 7, false, 1}, {7, 1, 21, false, 1}, {8, 1, 21, false, 1},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "column " << c.column);
    line_geometry::ColumnPlace place = line_geometry::ColumnToX(*metrics_, line, line.text.data(), c.column);
    EXPECT_EQ(place.row, c.row_up);
    EXPECT_EQ(place.x, c.x);
    EXPECT_EQ(place.row_end, bool(c.row_end));
    EXPECT_EQ(line_geometry::RowOf(line, c.column, false).index, c.row_down);
  }
  line_geometry::RowSpan second = line_geometry::RowOf(line, 6, false);
  EXPECT_EQ(second.start, 4);
  EXPECT_EQ(second.row.units, 4);
}

TEST_F(LineGeometry, TheLastRowsEndIsNoRowEnd) {
  FakeLine line{std::u16string(30, u'x'), {{14, 98}, {14, 98}, {2, 14}}};
  line_geometry::ColumnPlace place = line_geometry::ColumnToX(*metrics_, line, line.text.data(), 28);
  EXPECT_EQ(place.row, 1);
  EXPECT_TRUE(place.row_end);
  place = line_geometry::ColumnToX(*metrics_, line, line.text.data(), 30);
  EXPECT_EQ(place.row, 2);
  EXPECT_EQ(place.x, 14);
  EXPECT_FALSE(place.row_end);
  EXPECT_EQ(line_geometry::RowOf(line, 30, false).index, 2);
  EXPECT_EQ(line_geometry::RowOf(line, 28, false).index, 2);
  EXPECT_EQ(line_geometry::RowOf(line, 14, false).index, 1);
}

}  // namespace
