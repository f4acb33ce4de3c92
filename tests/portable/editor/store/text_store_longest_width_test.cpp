// The store's longest width against a walk over every line, after the
// longest line shrinks or goes, with ties, after Clear, and after a relayout
// that gives every line a new width, so that stale width counts show.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "editor/store/line_layout.h"
#include "editor/store/line_record.h"
#include "editor/store/text_store.h"
#include "support/store_text.h"

namespace {

// One row per line, every unit but a line feed unit_width pixels; changing
// unit_width and relaying out acts as a font change.
class ScalableLayout : public LineLayout {
 public:
  bool Layout(LineRecord& line, std::int32_t) override {
    const RowInfo row{line.Length(), line.TextLength() * unit_width};
    return line.SetLayout(row.width, &row, 1);
  }
  std::int32_t unit_width = 8;
};

std::int32_t WalkedLongest(TextStore& store) {
  std::int32_t longest = 0;
  LineRecord* line = store.Line(0);
  for (std::int32_t i = 0; i < store.LineCount(); ++i, line = line->Next()) longest = std::max(longest, line->Width());
  return longest;
}

class LongestWidthTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store.Valid()); }
  void Shrink(std::int32_t line, std::int32_t units) { ASSERT_GE(store.DeleteUnits(*store.Line(line), 0, units), 0); }
  void Grow(std::int32_t line, std::int32_t units) {
    const std::u16string text(static_cast<std::size_t>(units), u'g');
    ASSERT_TRUE(store.InsertUnits(*store.Line(line), text.data(), units, 0));
  }
  void ExpectLongest(std::int32_t units) {
    EXPECT_EQ(store.LongestWidth(), units * layout.unit_width);
    EXPECT_EQ(store.LongestWidth(), WalkedLongest(store));
  }

  ScalableLayout layout;
  TextStore store{layout, 0};
};

TEST_F(LongestWidthTest, ShrinkingTheLongestFindsTheNextWithTies) {
  FillStore(store, u"aaaaaa\nbbbb\ncccc\ndd");
  ExpectLongest(6);
  Shrink(0, 3);  // 3: two lines of 4 share the lead
  ExpectLongest(4);
  Shrink(1, 1);  // one of the tied pair shrinks, the other still leads
  ExpectLongest(4);
  Shrink(2, 2);
  ExpectLongest(3);
  Grow(3, 5);  // 7
  ExpectLongest(7);
  Shrink(3, 6);  // 1: back to the two lines of 3
  ExpectLongest(3);
  Shrink(0, 3);
  Shrink(1, 3);
  ExpectLongest(2);
  Shrink(2, 2);
  ExpectLongest(1);
}

TEST_F(LongestWidthTest, RemovingTheLongestLineAloneOrTied) {
  FillStore(store, u"aaaaa\nbbbbbbbb\nccccc\ndd\nbbbbbbbb\n");
  ExpectLongest(8);
  Shrink(3, 1);  // counts the widths from here on
  ASSERT_TRUE(store.RemoveLine(1));  // its twin still leads
  ExpectLongest(8);
  ASSERT_TRUE(store.RemoveLine(3));
  ExpectLongest(5);
  ASSERT_TRUE(store.RemoveLine(0));
  ExpectLongest(5);
  ASSERT_TRUE(store.RemoveLine(0));
  ExpectLongest(1);
}

TEST_F(LongestWidthTest, LineBreaksAndInsertedLinesAreCounted) {
  FillStore(store, u"aaaaaaaaaa\nbbb");
  Shrink(0, 1);  // 9
  ASSERT_NE(store.SplitAtCaret({0, 6, 0}), nullptr);  // 6 and 3
  ExpectLongest(6);
  TextPosition end;
  ASSERT_TRUE(store.InsertText({1, 0, 0}, u"xxxxxxxx\nyy\nzzzz", 16, &end));  // 8, 2, 7
  ExpectLongest(8);
  ASSERT_NE(store.InsertLine(0, 4, true), nullptr);
  Shrink(2, 8);
  ExpectLongest(7);
  ASSERT_TRUE(store.EndLastLine());
  const std::u16string run(12, u'r');
  ASSERT_TRUE(store.AppendToLastLine(run.data(), 12));
  store.FinishLoading();
  ExpectLongest(12);
  Shrink(store.LineCount() - 1, 11);
  ExpectLongest(7);
}

TEST_F(LongestWidthTest, ClearForgetsTheWidthsCountedBefore) {
  FillStore(store, u"aaaaaaaaaaaa\naaaaaaaaaaaa\nbbbbbbbbbb");
  Shrink(0, 1);  // counting starts
  store.Clear();
  ExpectLongest(0);
  FillStore(store, u"abc\nabcdef");
  Shrink(1, 4);
  ExpectLongest(3);
  Shrink(0, 3);
  ExpectLongest(2);
}

TEST_F(LongestWidthTest, RelayoutWithNewWidthsRecounts) {
  FillStore(store, u"aaaaaaaa\naaa\naaaaaaaaaaaaaaaa\naaaaaa");
  Shrink(2, 1);  // counting starts: 64, 24, 120, 48
  layout.unit_width = 4;  // now 32, 12, 60, 24; some old widths recur
  ASSERT_TRUE(store.RelayoutAll());
  ExpectLongest(15);
  Shrink(3, 1);  // 24 -> 20 takes an entry of the old counts if they linger
  Shrink(2, 14);
  ExpectLongest(8);
  Shrink(0, 5);
  ExpectLongest(5);
  Shrink(3, 3);
  ExpectLongest(3);
}

// Random edits of short lines, so that ties are common, with the odd clear,
// load and font change; the longest width must match a walk after each.
TEST_F(LongestWidthTest, RandomEditsKeepTheLongestWidthExact) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 random(seed);
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    store.Clear();
    layout.unit_width = 8;
    ASSERT_TRUE(store.RelayoutAll());
    for (int step = 0; step < 4000; ++step) {
      const std::int32_t index = pick(0, store.LineCount() - 1);
      LineRecord& line = *store.Line(index);
      const int op = pick(0, 99);
      SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) + " op " + std::to_string(op));
      if (op < 30) {
        const std::u16string text(static_cast<std::size_t>(pick(1, 3)), u'x');
        ASSERT_TRUE(store.InsertUnits(line, text.data(), static_cast<std::int32_t>(text.size()), pick(0, line.TextLength())));
      } else if (op < 60) {
        if (line.TextLength() > 0) {
          const std::int32_t column = pick(0, line.TextLength() - 1);
          ASSERT_GE(store.DeleteUnits(line, column, pick(1, line.TextLength() - column)), 0);
        }
      } else if (op < 70) {
        ASSERT_NE(store.SplitAtCaret({index, pick(0, line.TextLength()), 0}), nullptr);
      } else if (op < 77) {
        ASSERT_TRUE(store.InsertText({index, pick(0, line.TextLength()), 0}, u"ab\ncdefg\nh", 10, nullptr));
      } else if (op < 87) {
        if (index + 1 < store.LineCount()) ASSERT_TRUE(store.RemoveLine(index));
      } else if (op < 92) {
        ASSERT_NE(store.InsertLine(index, 0, true), nullptr);
      } else if (op < 96) {
        const std::u16string run(static_cast<std::size_t>(pick(0, 14)), u'r');
        ASSERT_TRUE(store.AppendToLastLine(run.data(), static_cast<std::int32_t>(run.size())));
        if (pick(0, 1)) ASSERT_TRUE(store.EndLastLine());
        store.FinishLoading();
      } else if (op < 99) {
        layout.unit_width = 1 << pick(1, 3);
        ASSERT_TRUE(store.RelayoutAll());
      } else {
        store.Clear();
      }
      ASSERT_EQ(store.LongestWidth(), WalkedLongest(store));
    }
  }
}

}  // namespace
