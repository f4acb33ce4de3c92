// Random lines and wrap widths: the rows, the stored widths, column-to-x and
// hit testing must agree with each other, and a store laid out by the
// metrics layout must keep its totals through random edits.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "editor/layout/document_layout.h"
#include "editor/layout/line_geometry.h"
#include "editor/store/line_record.h"
#include "editor/layout/metrics_line_layout.h"
#include "editor/layout/row_division.h"
#include "support/fixed_metrics.h"
#include "support/store_text.h"

namespace {

struct RowsOfLine {
  std::u16string text;
  std::vector<RowInfo> rows;
  std::int32_t Length() const { return std::int32_t(text.size()); }
  std::int32_t RowCount() const { return std::int32_t(rows.size()); }
  RowInfo Row(std::int32_t i) const { return rows[i]; }
};

std::u16string RandomText(std::mt19937& random, int max_characters) {
  static const std::u16string_view pieces[] = {u"a", u"Z", u"7", u" ", u"-", u"<", u"/", u"\t", u".",
                                               u"\u3042", u"\u3000", u"\U0001F600", u"\u00E9", u"\r", u"\0"};
  std::u16string text;
  const int characters = std::uniform_int_distribution<int>(0, max_characters)(random);
  for (int i = 0; i < characters; ++i) {
    std::u16string_view piece = pieces[std::uniform_int_distribution<int>(0, std::size(pieces) - 1)(random)];
    text.append(piece.empty() ? std::u16string_view(u"\0", 1) : piece);
  }
  return text;
}

bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

TEST(LayoutConsistency, RowsPenPositionsAndHitTestsAgree) {
  std::unique_ptr<TextMetrics> metrics = MakeFixedMetrics();
  ASSERT_TRUE(metrics);
  std::mt19937 random(20261207);
  for (int round = 0; round < 1500; ++round) {
    RowsOfLine line{RandomText(random, 60), {}};
    if (random() % 3 == 0) line.text += u'\n';
    const std::int32_t wrap_width = std::uniform_int_distribution<int>(29, 160)(random);
    line.rows.resize(1);
    std::int32_t count = row_division::Divide(*metrics, line.text.data(), line.Length(), wrap_width,
                                               line.rows.data(), 1);
    line.rows.resize(count);
    row_division::Divide(*metrics, line.text.data(), line.Length(), wrap_width, line.rows.data(), count);
    SCOPED_TRACE(testing::Message() << "round " << round << ", wrap width " << wrap_width);

    std::int32_t start = 0;
    for (std::int32_t r = 0; r < count; ++r) {
      const RowInfo row = line.rows[r];
      ASSERT_TRUE(row.units > 0 || line.text.empty()) << "row " << r;
      EXPECT_LT(row.width, wrap_width) << "row " << r;
      EXPECT_EQ(row.width, line_geometry::PenAt(*metrics, line.text.data(), line.Length(), start, start + row.units))
          << "row " << r;
      if (start > 0) EXPECT_FALSE(IsLow(line.text[start])) << "a pair split at row " << r;
      start += row.units;
    }
    ASSERT_EQ(start, line.Length());

    const bool ends_with_line_feed = !line.text.empty() && line.text.back() == u'\n';
    for (std::int32_t column = 0; column <= line.Length(); ++column) {
      if (column > 0 && column < line.Length() && IsLow(line.text[column])) continue;
      if (ends_with_line_feed && column == line.Length()) continue;  // shares its x with the column before
      const line_geometry::ColumnPlace place = line_geometry::ColumnToX(*metrics, line, line.text.data(), column);
      std::int32_t row_start = 0;
      for (std::int32_t r = 0; r < place.row; ++r) row_start += line.rows[r].units;
      const RowInfo row = line.rows[place.row];
      const line_geometry::Hit hit = line_geometry::HitTest(*metrics, line.text.data(), line.Length(), row_start,
                                                            row_start + row.units, row.width, place.x);
      EXPECT_EQ(hit.column, column) << "x " << place.x << " in row " << place.row;
      EXPECT_EQ(hit.x, place.x);
      EXPECT_EQ(place.row_end, column == row_start + row.units && place.row + 1 < count) << "column " << column;
    }
  }
}

void ExpectStoreConsistent(TextStore& store, TextMetrics& metrics, std::int32_t wrap_width) {
  std::int32_t rows = 0, longest = 0;
  std::vector<RowInfo> expected(4096);
  for (std::int32_t i = 0; i < store.LineCount(); ++i) {
    LineRecord& line = *store.Line(i);
    const std::u16string text = LineText(line);
    const std::int32_t count = row_division::WrapApplies(metrics, wrap_width)
                                   ? row_division::Divide(metrics, text.data(), text.size(), wrap_width,
                                                          expected.data(), expected.size())
                                   : 1;
    ASSERT_EQ(line.RowCount(), count) << "line " << i;
    std::int32_t width = 0;
    for (std::int32_t r = 0; r < count && count > 1; ++r) {
      EXPECT_EQ(line.Row(r).units, expected[r].units);
      width += expected[r].width;
    }
    if (count == 1) width = row_division::UnwrappedWidth(metrics, text.data(), text.size());
    EXPECT_EQ(line.Width(), width) << "line " << i;
    rows += line.RowCount();
    longest = std::max(longest, line.Width());
  }
  EXPECT_EQ(store.TotalRows(), rows);
  EXPECT_EQ(store.LongestWidth(), longest);
}

TEST(LayoutConsistency, StoreTotalsFollowRandomEdits) {
  std::unique_ptr<TextMetrics> metrics = MakeFixedMetrics();
  ASSERT_TRUE(metrics);
  MetricsLineLayout layout(*metrics);
  TextStore store(layout, 0);
  DocumentLayout doc(store, *metrics, true);
  doc.Resize(31 + 120, 500);
  std::mt19937 random(7);
  for (int step = 0; step < 400; ++step) {
    SCOPED_TRACE(step);
    const std::int32_t line_index = std::uniform_int_distribution<int>(0, store.LineCount() - 1)(random);
    LineRecord& line = *store.Line(line_index);
    switch (random() % 5) {
      case 0: {
        std::u16string text = RandomText(random, 30);
        if (random() % 2) text += u"\n" + RandomText(random, 20);
        const std::int32_t column = std::uniform_int_distribution<int>(0, line.Length())(random);
        TextPosition end;
        ASSERT_TRUE(store.InsertText({line_index, column, 0}, text.data(), text.size(), &end));
        break;
      }
      case 1:
        if (line.Length() > 0) {
          const std::int32_t column = std::uniform_int_distribution<int>(0, line.Length() - 1)(random);
          const std::int32_t count = std::uniform_int_distribution<int>(1, line.Length() - column)(random);
          if (column + count < line.Length() || line.UnitAt(line.Length() - 1) != u'\n') {
            EXPECT_GE(store.DeleteUnits(line, column, count), 0);
          }
        }
        break;
      case 2: store.RemoveLine(line_index); break;
      case 3: doc.Resize(31 + std::uniform_int_distribution<int>(0, 300)(random), 500); break;
      default: doc.SetWrapped(!doc.Wrapped()); break;
    }
    ExpectStoreConsistent(store, *metrics, doc.WrapWidth());
    if (HasFatalFailure() || HasNonfatalFailure()) return;
  }
}

}  // namespace
