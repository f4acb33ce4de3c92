// The store's checkpointed row lookups (display rows before a line, the line
// showing a display row) against a walk over every line from line 0, over
// random documents of several checkpoint spans and random edits: edits
// through the cached line and through a line reached earlier, splits, text
// with line breaks, inserted and removed lines, and relayouts at a new wrap
// width.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editor/store/line_record.h"
#include "editor/store/text_store.h"
#include "support/fixed_width_layout.h"

namespace {

struct Walked {
  std::vector<std::int32_t> rows_before;  // per line, plus the total
};

Walked Walk(TextStore& store) {
  Walked walked;
  std::int32_t rows = 0;
  LineRecord* line = store.Line(0);
  for (std::int32_t i = 0; i < store.LineCount(); ++i, line = line->Next()) {
    walked.rows_before.push_back(rows);
    rows += line->RowCount();
  }
  walked.rows_before.push_back(rows);
  return walked;
}

class RowCheckpointsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store.Valid()); }

  std::u16string RandomText(std::int32_t max_length, bool breaks) {
    std::u16string text(static_cast<std::size_t>(random() % (max_length + 1)), u'a');
    for (char16_t& unit : text) unit = breaks && random() % 8 == 0 ? u'\n' : u'a' + char16_t(random() % 26);
    return text;
  }

  void Fill(std::int32_t lines) {
    for (std::int32_t i = 0; i < lines; ++i) {
      const std::u16string text = RandomText(40, false);
      ASSERT_TRUE(store.AppendToLastLine(text.data(), std::int32_t(text.size())));
      if (i + 1 < lines) ASSERT_TRUE(store.EndLastLine());
    }
    store.FinishLoading();
  }

  std::int32_t AnyLine() { return std::int32_t(random() % store.LineCount()); }

  void Edit() {
    const std::u16string text = RandomText(30, false);
    switch (random() % 8) {
      case 0:
      case 1: {  // through the cached line
        LineRecord& line = *store.Line(AnyLine());
        ASSERT_TRUE(store.InsertUnits(line, text.data(), std::int32_t(text.size()), AnyColumn(line)));
        break;
      }
      case 2: {  // through a line reached before the cache moved elsewhere
        LineRecord& line = *store.Line(AnyLine());
        store.Line(AnyLine());
        if (line.TextLength() > 0) ASSERT_GE(store.DeleteUnits(line, 0, 1 + AnyColumn(line) % line.TextLength()), 0);
        break;
      }
      case 3: {
        const std::int32_t index = AnyLine();
        ASSERT_NE(store.SplitAtCaret({index, AnyColumn(*store.Line(index)), 0}), nullptr);
        break;
      }
      case 4: {
        const std::int32_t index = AnyLine();
        const std::u16string lines = RandomText(200, true);
        ASSERT_TRUE(store.InsertText({index, AnyColumn(*store.Line(index)), 0}, lines.data(),
                                     std::int32_t(lines.size()), nullptr));
        break;
      }
      case 5:
        ASSERT_NE(store.InsertLine(AnyLine(), 0, true), nullptr);
        break;
      case 6:
        store.RemoveLine(AnyLine());
        break;
      default:
        if (random() % 20 == 0) {
          store.SetWrapWidth(8 * std::int32_t(3 + random() % 20));
          ASSERT_TRUE(store.RelayoutAll());
        }
        break;
    }
  }

  std::int32_t AnyColumn(const LineRecord& line) { return std::int32_t(random() % (line.TextLength() + 1)); }

  void ExpectLookupsMatchWalk() {
    const Walked walked = Walk(store);
    const std::int32_t total = walked.rows_before.back();
    ASSERT_EQ(total, store.TotalRows());
    for (int probe = 0; probe < 40; ++probe) {
      const std::int32_t line = std::int32_t(random() % (store.LineCount() + 1));
      ASSERT_EQ(store.RowsBefore(line), walked.rows_before[std::size_t(line)]) << "line " << line;
      if (line < store.LineCount()) EXPECT_EQ(store.CachedIndex(), line);

      const std::int32_t row = std::int32_t(random() % (total + 2));
      RowLocation location;
      const bool found = store.LocateRow(row, &location);
      ASSERT_EQ(found, row < total) << "row " << row;
      if (!found) continue;
      ASSERT_LE(walked.rows_before[std::size_t(location.line)], row);
      ASSERT_LT(row, walked.rows_before[std::size_t(location.line) + 1]);
      EXPECT_EQ(location.row, row - walked.rows_before[std::size_t(location.line)]);
      EXPECT_EQ(store.CachedIndex(), location.line);
    }
  }

  std::mt19937 random{20261207};
  FixedWidthLayout layout{8};
  TextStore store{layout, 8 * 12};
};

TEST_F(RowCheckpointsTest, LookupsMatchAWalkThroughRandomEdits) {
  Fill(5000);
  ExpectLookupsMatchWalk();
  for (int step = 0; step < 400; ++step) {
    Edit();
    ExpectLookupsMatchWalk();
  }
}

TEST_F(RowCheckpointsTest, EdgesOfTheText) {
  Fill(2 * RowCheckpoints::kSpacing + 1);
  const Walked walked = Walk(store);
  EXPECT_EQ(store.RowsBefore(0), 0);
  EXPECT_EQ(store.RowsBefore(store.LineCount()), store.TotalRows());
  EXPECT_EQ(store.RowsBefore(RowCheckpoints::kSpacing), walked.rows_before[RowCheckpoints::kSpacing]);
  RowLocation location;
  EXPECT_FALSE(store.LocateRow(-1, &location));
  EXPECT_FALSE(store.LocateRow(store.TotalRows(), &location));
  ASSERT_TRUE(store.LocateRow(store.TotalRows() - 1, &location));
  EXPECT_EQ(location.line, store.LineCount() - 1);
  EXPECT_EQ(location.row, store.Line(store.LineCount() - 1)->RowCount() - 1);
  // A line just before a checkpoint gaining rows moves that checkpoint.
  const std::u16string longer(100, u'x');
  LineRecord& before = *store.Line(RowCheckpoints::kSpacing - 1);
  const std::int32_t rows = before.RowCount();
  ASSERT_TRUE(store.InsertUnits(before, longer.data(), 100, 0));
  ASSERT_GT(before.RowCount(), rows);
  EXPECT_EQ(store.RowsBefore(RowCheckpoints::kSpacing), Walk(store).rows_before[RowCheckpoints::kSpacing]);
  EXPECT_EQ(store.RowsBefore(2 * RowCheckpoints::kSpacing), Walk(store).rows_before[2 * RowCheckpoints::kSpacing]);
  // Emptied: one line of one row, with the old checkpoints gone.
  store.Clear();
  EXPECT_EQ(store.RowsBefore(1), 1);
  ASSERT_TRUE(store.LocateRow(0, &location));
  EXPECT_EQ(location.line, 0);
  EXPECT_FALSE(store.LocateRow(1, &location));
}

}  // namespace
