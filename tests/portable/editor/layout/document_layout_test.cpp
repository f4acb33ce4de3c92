#include "editor/layout/document_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/store/line_record.h"
#include "editor/layout/metrics_line_layout.h"
#include "platform/fixed_text_measurer.h"
#include "support/fixed_metrics.h"
#include "support/store_text.h"

namespace {

constexpr std::int32_t kMargin3 = 3 * 7 + 10;
constexpr std::int32_t kPitch = 13 + 1;  // 10 points at 96 pixels per inch, spacing 1

// One document over the fixed-width stand-in: 7 pixels a unit, wide 14, tab 28.
class DocumentLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(metrics_);
    ASSERT_TRUE(store_.Valid());
  }
  // Client width giving the text area this wrap width with a 3-digit margin.
  static std::int32_t ClientFor(std::int32_t wrap_width) { return wrap_width + kMargin3; }
  void Fill(const std::u16string& text) { FillStore(store_, text); }
  std::u16string Lines(int count, const std::u16string& line) {
    std::u16string text;
    for (int i = 0; i < count; ++i) text += line + (i + 1 < count ? u"\n" : u"");
    return text;
  }

  std::unique_ptr<TextMetrics> metrics_ = MakeFixedMetrics();
  MetricsLineLayout line_layout_{*metrics_};
  TextStore store_{line_layout_, 0};
  DocumentLayout doc_{store_, *metrics_, true};
};

TEST_F(DocumentLayoutTest, PageSizes) {
  struct Case {
    std::int32_t width, height, rows, columns;
  } cases[] = {{500, 300, 21, 66}, {ClientFor(100) + 1, 2 + kPitch, 1, 14}, {0, 0, 0, 0}, {10, 1, 0, 0}};
  for (const Case& c : cases) {
    doc_.Resize(c.width, c.height);
    EXPECT_EQ(doc_.VisibleRows(), c.rows) << c.width << "x" << c.height;
    EXPECT_EQ(doc_.VisibleColumns(), c.columns) << c.width << "x" << c.height;
  }
}

TEST_F(DocumentLayoutTest, LinesAreWrappedToTheClientWidthLessTheMargin) {
  doc_.Resize(ClientFor(100), 400);
  EXPECT_EQ(doc_.WrapWidth(), 100);
  Fill(std::u16string(30, u'x') + u"\nabc def");
  ASSERT_EQ(store_.LineCount(), 2);
  EXPECT_EQ(store_.Line(0)->RowCount(), 3);  // 14, 14 and 2 letters
  EXPECT_EQ(store_.Line(0)->Width(), 98 + 98 + 14);
  EXPECT_EQ(store_.Line(1)->RowCount(), 1);
  EXPECT_EQ(store_.TotalRows(), 4);

  doc_.Resize(ClientFor(49), 400);  // 'def' no longer fits after 'abc '
  EXPECT_EQ(store_.Line(1)->RowCount(), 2);
  EXPECT_EQ(store_.Line(1)->Row(0).units, 4);
  EXPECT_EQ(store_.TotalRows(), 5 + 2);  // 30 letters at 7 a row: 5 rows

  doc_.Resize(ClientFor(28), 400);  // not wider than a tab: one row a line
  EXPECT_EQ(store_.TotalRows(), 2);
  EXPECT_EQ(store_.Line(0)->Width(), 210);
}

TEST_F(DocumentLayoutTest, EditsRewrapOnlyTheChangedLine) {
  doc_.Resize(ClientFor(100), 400);
  Fill(u"short\nline");
  LineRecord* line = store_.Line(1);
  std::u16string more(20, u'y');
  ASSERT_TRUE(store_.InsertUnits(*line, more.data(), more.size(), TextStore::kEndColumn));
  EXPECT_EQ(line->RowCount(), 2);
  EXPECT_EQ(store_.TotalRows(), 3);
  EXPECT_EQ(store_.DeleteUnits(*line, 4, 20), u'y');
  EXPECT_EQ(store_.TotalRows(), 2);
  EXPECT_EQ(store_.LongestWidth(), 35);
}

TEST_F(DocumentLayoutTest, MarginWidensAtTheThousandthLineAndNeverNarrows) {
  doc_.Resize(ClientFor(99), 400);  // 14 letters fit (98 < 99)
  Fill(Lines(998, std::u16string(14, u'x')));
  EXPECT_TRUE(doc_.NoteLineCount());
  EXPECT_EQ(doc_.MarginWidth(), kMargin3);
  EXPECT_EQ(store_.TotalRows(), 998);

  ASSERT_TRUE(store_.InsertLine(store_.LineCount(), 0, false));
  doc_.NoteLineCount();
  EXPECT_EQ(doc_.Margin().Digits(), 3);  // 999 lines
  LineRecord* last = store_.InsertLine(store_.LineCount(), 0, false);
  ASSERT_TRUE(last);
  ASSERT_EQ(store_.LineCount(), 1000);
  doc_.NoteLineCount();
  EXPECT_EQ(doc_.Margin().Digits(), 4);
  EXPECT_EQ(doc_.MarginWidth(), 4 * 7 + 10);
  // The text area lost one digit: the 14-letter lines now take two rows.
  EXPECT_EQ(doc_.WrapWidth(), 99 - 7);
  EXPECT_EQ(store_.TotalRows(), 998 * 2 + 2);

  for (int i = 0; i < 900; ++i) ASSERT_TRUE(store_.RemoveLine(0));
  doc_.NoteLineCount();
  EXPECT_EQ(doc_.Margin().Digits(), 4);
  EXPECT_EQ(doc_.MarginWidth(), 38);
}

TEST_F(DocumentLayoutTest, ResizeKeepsTheFirstVisibleLineAtTheTop) {
  doc_.Resize(ClientFor(100), 400);
  Fill(Lines(10, std::u16string(30, u'x')));
  ASSERT_EQ(store_.TotalRows(), 30);
  doc_.ScrollTo(7, 5);  // line 2, its second row
  EXPECT_EQ(doc_.FirstVisibleRow(), 7);
  EXPECT_EQ(doc_.HorizontalScrollColumn(), 0);  // wrapped views do not scroll sideways
  doc_.Resize(ClientFor(220), 400);  // every line in one row
  EXPECT_EQ(store_.TotalRows(), 10);
  EXPECT_EQ(doc_.FirstVisibleRow(), 2);
  doc_.Resize(ClientFor(50), 400);  // 7 letters a row: 5 rows a line
  EXPECT_EQ(doc_.FirstVisibleRow(), 10);
  doc_.ScrollTo(1000, 0);
  EXPECT_EQ(doc_.FirstVisibleRow(), 49);
}

TEST_F(DocumentLayoutTest, WrapSwitchKeepsWhatWasAtTheTopLeft) {
  doc_.SetWrapped(false);
  doc_.Resize(ClientFor(100), 400);
  Fill(Lines(10, std::u16string(30, u'x')));
  EXPECT_EQ(store_.TotalRows(), 10);
  EXPECT_EQ(store_.LongestWidth(), 210);
  doc_.ScrollTo(3, 16);
  EXPECT_EQ(doc_.HorizontalScrollPixels(), 16 * 7);

  doc_.SetWrapped(true);
  EXPECT_EQ(store_.TotalRows(), 30);
  // Line 3 starts at row 9; unit 16 lies in its second row (units 14..27).
  EXPECT_EQ(doc_.FirstVisibleRow(), 10);
  EXPECT_EQ(doc_.HorizontalScrollColumn(), 0);
  EXPECT_FALSE(doc_.HorizontalScrollWanted());

  doc_.ScrollTo(14, 0);  // line 4, its third row
  doc_.SetWrapped(false);
  EXPECT_EQ(doc_.FirstVisibleRow(), 4);
  EXPECT_EQ(store_.TotalRows(), 10);
  EXPECT_EQ(store_.LongestWidth(), 210);
  // 210 / 7 + 14 / 2 >= 14 visible columns.
  EXPECT_TRUE(doc_.HorizontalScrollWanted());
  doc_.Resize(1000, 400);  // 138 columns: 30 + 69 < 138
  EXPECT_FALSE(doc_.HorizontalScrollWanted());
}

TEST_F(DocumentLayoutTest, UnitAtTheLeftEdgeOnARowBoundaryPicksTheLowerRow) {
  doc_.SetWrapped(false);
  doc_.Resize(ClientFor(100), 400);
  Fill(std::u16string(30, u'x'));
  doc_.ScrollTo(0, 14);
  doc_.SetWrapped(true);
  EXPECT_EQ(doc_.FirstVisibleRow(), 1);
  doc_.SetWrapped(false);
  doc_.ScrollTo(0, 500);  // beyond the line: its end
  doc_.SetWrapped(true);
  EXPECT_EQ(doc_.FirstVisibleRow(), 2);
}

TEST_F(DocumentLayoutTest, PositionsRowsAndPixels) {
  doc_.Resize(ClientFor(100), 400);
  Fill(u"abc def\n" + std::u16string(30, u'x') + u"\n\nend");
  // Rows: line 0 one, line 1 three, line 2 one, line 3 one.
  ASSERT_EQ(store_.TotalRows(), 6);
  struct Case {
    std::int32_t line, column, display_row;
  } positions[] = {{0, 0, 0}, {0, 8, 0}, {1, 0, 1}, {1, 13, 1}, {1, 14, 2}, {1, 28, 3}, {1, 31, 3}, {2, 0, 4}, {3, 3, 5}};
  for (const Case& c : positions) {
    EXPECT_EQ(doc_.DisplayRowOf(c.line, c.column), c.display_row) << c.line << ":" << c.column;
    RowLocation at = doc_.LocateDisplayRow(c.display_row);
    EXPECT_EQ(at.line, c.line) << c.display_row;
  }
  EXPECT_EQ(doc_.LocateDisplayRow(3).row, 2);
  EXPECT_EQ(doc_.LocateDisplayRow(6).line, 0);  // beyond the text
  EXPECT_EQ(doc_.LocateDisplayRow(-1).line, 0);

  doc_.ScrollTo(2, 0);
  struct YCase {
    std::int32_t y, row;
  } ys[] = {{2, 2}, {2 + kPitch - 1, 2}, {2 + kPitch, 3}, {2 + 3 * kPitch, 5}, {1000, 5}, {-2 - 2 * kPitch, 0}, {-1000, 0},
             // The top margin shows the first row; outside the window the row
             // above the view from the first pixel on.
             {1, 2}, {0, 2}, {-1, 1}, {-kPitch, 1}, {-1 - kPitch, 0}};
  for (const YCase& c : ys) EXPECT_EQ(doc_.RowAtY(c.y), c.row) << "y " << c.y;
  EXPECT_EQ(doc_.RowTop(2), 2);
  EXPECT_EQ(doc_.RowTop(4), 2 + 2 * kPitch);

  // Column 14 of line 1 is on a row boundary: shown at the end of row 0.
  line_geometry::ColumnPlace place = doc_.ColumnToX(1, 14);
  EXPECT_EQ(place.row, 0);
  EXPECT_EQ(place.x, 98);
  EXPECT_TRUE(place.row_end);
  place = doc_.ColumnToX(1, 15);
  EXPECT_EQ(place.row, 1);
  EXPECT_EQ(place.x, 7);
  EXPECT_FALSE(place.row_end);
  EXPECT_FALSE(doc_.ColumnToX(1, 30).row_end);

  // Hit tests within a row of a wrapped line.
  line_geometry::Hit hit = doc_.HitTest(1, 1, 11);  // right half of the second unit of row 1
  EXPECT_EQ(hit.column, 16);
  EXPECT_EQ(hit.x, 14);
  hit = doc_.HitTest(1, 1, 10);  // its left half
  EXPECT_EQ(hit.column, 15);
  EXPECT_EQ(hit.x, 7);
  hit = doc_.HitTest(1, 0, 500);  // past the row's end: the boundary column
  EXPECT_EQ(hit.column, 14);
  EXPECT_EQ(hit.x, 98);
  hit = doc_.HitTest(1, 9, 0);  // a row past the line's last: its last row
  EXPECT_EQ(hit.column, 28);

  doc_.SetWrapped(false);
  EXPECT_EQ(doc_.DisplayRowOf(1, 20), 1);
  EXPECT_EQ(doc_.ColumnToX(1, 20).x, 140);
  hit = doc_.HitTest(1, 0, 144);
  EXPECT_EQ(hit.column, 21);
  EXPECT_EQ(hit.x, 147);
}

TEST_F(DocumentLayoutTest, SurrogatePairsWrapWholeAndMeasureAsOne) {
  doc_.Resize(ClientFor(50), 400);
  Fill(u"abcdef\U0001F600g\n\U0001F600");
  LineRecord* line = store_.Line(0);
  ASSERT_EQ(line->RowCount(), 2);
  EXPECT_EQ(line->Row(0).units, 6);
  EXPECT_EQ(line->Row(1).units, 4);  // the pair, 'g' and the line feed
  EXPECT_EQ(doc_.ColumnToX(0, 8).x, 14);
  EXPECT_EQ(doc_.HitTest(0, 1, 8).column, 8);  // right half of the pair: after both units
  EXPECT_EQ(doc_.HitTest(0, 1, 6).column, 6);
  EXPECT_EQ(store_.Line(1)->Width(), 14);  // a pair ending the document is measured with a NUL after it
}

TEST_F(DocumentLayoutTest, FontChangeRelaysOutEveryDocument) {
  TextStore other_store{line_layout_, 0};
  DocumentLayout other{other_store, *metrics_, false};
  ASSERT_TRUE(other_store.Valid());
  doc_.Resize(ClientFor(100), 400);
  other.Resize(ClientFor(100), 400);
  Fill(u"\tx\n" + std::u16string(14, u'x'));
  FillStore(other_store, u"\tx");
  EXPECT_EQ(other_store.LongestWidth(), 35);
  EXPECT_EQ(store_.TotalRows(), 2);

  DocumentLayout* all[] = {&doc_, &other};
  metrics_->SetTabWidth(8);  // 56 pixels
  metrics_->SetLineSpacing(4);
  ASSERT_TRUE(ChangeFontForAll(*metrics_, all, 2));
  EXPECT_EQ(other_store.Line(0)->Width(), 63);  // unwrapped lines are measured again too
  EXPECT_EQ(other_store.LongestWidth(), 63);
  EXPECT_EQ(doc_.VisibleRows(), (400 - 2) / 17);
  EXPECT_EQ(store_.Line(0)->Width(), 63);

  // When the font cannot be made nothing changes.
  auto refusing = std::make_unique<platform::FixedTextMeasurer>();
  platform::FixedTextMeasurer* stand_in = refusing.get();
  TextMetrics shared(std::move(refusing));
  ASSERT_TRUE(shared.RebuildFonts());
  MetricsLineLayout layout{shared};
  TextStore store{layout, 0};
  DocumentLayout doc{store, shared, false};
  doc.Resize(300, 300);
  FillStore(store, u"\tx");
  DocumentLayout* one[] = {&doc};
  stand_in->RefuseFonts(true);
  shared.SetTabWidth(1);
  shared.SetLineSpacing(10);
  EXPECT_FALSE(ChangeFontForAll(shared, one, 1));
  EXPECT_EQ(store.LongestWidth(), 35);
  EXPECT_EQ(doc.VisibleRows(), (300 - 2) / 14);
}

}  // namespace
