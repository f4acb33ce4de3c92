// Bulk filling by the loader, and editing what it filled.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/store/line_record.h"
#include "editor/store/line_slots.h"
#include "editor/store/load_arena.h"
#include "editor/store/text_store.h"
#include "support/fixed_width_layout.h"
#include "support/store_text.h"

namespace {

using Lines = std::vector<std::u16string>;

class TextStoreLoadTest : public ::testing::Test {
 protected:
  bool Append(const std::u16string& run) {
    return store.AppendToLastLine(run.data(), static_cast<std::int32_t>(run.size()));
  }

  FixedWidthLayout layout{8};
  TextStore store{layout, 0};
};

TEST_F(TextStoreLoadTest, RunsBuildLinesThatAreLaidOutWhenTheyEnd) {
  ASSERT_TRUE(Append(u"ab"));
  ASSERT_TRUE(Append(u"cd"));
  ASSERT_TRUE(store.EndLastLine());
  ASSERT_TRUE(store.EndLastLine());
  ASSERT_TRUE(Append(std::u16string(u"x\0y", 3)));
  store.FinishLoading();
  EXPECT_EQ(StoreLines(store), (Lines{u"abcd\n", u"\n", std::u16string(u"x\0y", 3)}));
  EXPECT_EQ(store.LineCount(), 3);
  EXPECT_EQ(store.TotalRows(), 3);
  EXPECT_EQ(store.LongestWidth(), 4 * 8);
  EXPECT_EQ(store.Line(0)->Width(), 4 * 8);
  EXPECT_EQ(store.Line(0)->Capacity(), 5);  // loaded lines fit exactly
}

TEST_F(TextStoreLoadTest, RunsWithLineBreaksAreRefused) {
  ASSERT_TRUE(Append(u"ab"));
  EXPECT_FALSE(Append(u"c\nd"));
  EXPECT_FALSE(Append(u"c\rd"));
  EXPECT_FALSE(store.AppendToLastLine(nullptr, 2));
  store.FinishLoading();
  EXPECT_EQ(StoreLines(store), (Lines{u"ab"}));
}

TEST_F(TextStoreLoadTest, LongLinesLeaveTheArenaAndStillFitExactly) {
  const std::int32_t run = LoadArena::kLongestLine / 3 + 7;
  std::u16string expected;
  for (int i = 0; i < 5; ++i) {
    const std::u16string piece(static_cast<std::size_t>(run), static_cast<char16_t>(u'a' + i));
    ASSERT_TRUE(Append(piece));
    expected += piece;
  }
  ASSERT_TRUE(store.EndLastLine());
  ASSERT_TRUE(Append(u"short"));
  store.FinishLoading();
  EXPECT_EQ(LineText(*store.Line(0)), expected + u"\n");
  EXPECT_EQ(store.Line(0)->Capacity(), 5 * run + 1);
  EXPECT_EQ(LineText(*store.Line(1)), u"short");
  EXPECT_EQ(store.LongestWidth(), 5 * run * 8);
}

TEST_F(TextStoreLoadTest, LoadedLinesEditLikeAnyOther) {
  for (int i = 0; i < 2000; ++i) {  // spans several arena slabs
    const std::u16string line = u"line " + std::u16string(static_cast<std::size_t>(i % 90), u'x');
    ASSERT_TRUE(Append(line));
    ASSERT_TRUE(store.EndLastLine());
  }
  ASSERT_TRUE(Append(u"tail"));
  store.FinishLoading();
  ASSERT_EQ(store.LineCount(), 2001);

  LineRecord& line = *store.Line(7);
  ASSERT_EQ(store.DeleteUnits(line, 0, 2), u'l');  // in place, no buffer of its own yet
  EXPECT_EQ(LineText(line), u"ne xxxxxxx\n");
  ASSERT_TRUE(store.InsertUnits(line, u"__", 2, 1));  // first growth: own buffer
  EXPECT_EQ(LineText(line), u"n__e xxxxxxx\n");
  EXPECT_EQ(line.Capacity(), 11 + 2 + 32);

  ASSERT_NE(store.SplitAtCaret({9, 3, 0}), nullptr);
  EXPECT_EQ(LineText(*store.Line(9)), u"lin\n");
  EXPECT_EQ(LineText(*store.Line(10)), u"e xxxxxxxxx\n");
  TextPosition end;
  ASSERT_TRUE(store.InsertText({2001, 2, 0}, u"1\n2", 3, &end));
  EXPECT_EQ(LineText(*store.Line(2001)), u"ta1\n");
  EXPECT_EQ(LineText(*store.Line(2002)), u"2il");

  store.Clear();  // frees the arena with the lines
  EXPECT_EQ(StoreLines(store), (Lines{u""}));
  ASSERT_TRUE(Append(u"again"));
  store.FinishLoading();
  EXPECT_EQ(StoreLines(store), (Lines{u"again"}));
  EXPECT_EQ(store.LongestWidth(), 5 * 8);
}

TEST_F(TextStoreLoadTest, WrappedLoadedLinesKeepTheirRows) {
  store.SetWrapWidth(3 * 8);
  ASSERT_TRUE(Append(u"abcdefg"));
  ASSERT_TRUE(store.EndLastLine());
  ASSERT_TRUE(Append(u"hi"));
  store.FinishLoading();
  EXPECT_EQ(store.Line(0)->RowCount(), 3);
  EXPECT_EQ(store.TotalRows(), 4);
  store.SetWrapWidth(0);
  ASSERT_TRUE(store.RelayoutAll());
  EXPECT_EQ(store.TotalRows(), 2);
  EXPECT_EQ(LineText(*store.Line(0)), u"abcdefg\n");
}

}  // namespace

namespace {

// A line given whole with its end matches the same line appended in runs
// and ended: texts, capacities, widths, rows and totals, across lines of
// every length around the arena's limit and slab ends, and after lines
// already begun by a run; refusals leave the store unchanged.
TEST(TextStoreLoadWholeLines, MatchAppendingAndEndingInTwoSteps) {
  FixedWidthLayout layout{8};
  TextStore fused{layout, 8 * 20};
  TextStore stepped{layout, 8 * 20};
  std::uint32_t seed = 5;
  auto next = [&seed](std::uint32_t bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % bound;
  };
  for (int i = 0; i < 3000; ++i) {
    const std::int32_t limit = LoadArena::kLongestLine;
    const std::int32_t length = next(10) == 0 ? limit - 2 + std::int32_t(next(4)) : std::int32_t(next(300));
    std::u16string text(static_cast<std::size_t>(length), u'a');
    for (char16_t& unit : text) unit = char16_t(u' ' + next(90));
    if (next(8) == 0) {  // a line begun by a run
      ASSERT_TRUE(fused.AppendToLastLine(u"pre", 3));
      ASSERT_TRUE(stepped.AppendToLastLine(u"pre", 3));
    }
    ASSERT_TRUE(fused.AppendLineAndEnd(text.data(), length));
    ASSERT_TRUE(stepped.AppendToLastLine(text.data(), length) && stepped.EndLastLine());
  }
  const std::u16string with_break = u"a\rb";
  EXPECT_FALSE(fused.AppendLineAndEnd(with_break.data(), 3));
  EXPECT_FALSE(fused.AppendLineAndEnd(nullptr, 2));
  fused.FinishLoading();
  stepped.FinishLoading();
  ASSERT_EQ(StoreLines(fused), StoreLines(stepped));
  EXPECT_EQ(fused.LineCount(), stepped.LineCount());
  EXPECT_EQ(fused.TotalRows(), stepped.TotalRows());
  EXPECT_EQ(fused.LongestWidth(), stepped.LongestWidth());
  LineRecord* a = fused.Line(0);
  LineRecord* b = stepped.Line(0);
  for (std::int32_t i = 0; i < fused.LineCount(); ++i, a = a->Next(), b = b->Next()) {
    ASSERT_EQ(a->Width(), b->Width()) << i;
    ASSERT_EQ(a->RowCount(), b->RowCount()) << i;
    ASSERT_EQ(a->Capacity(), b->Capacity()) << i;
  }
}

// Units reach the arena whole at every short length, whether a line comes
// whole or in runs.
TEST(TextStoreLoadWholeLines, KeepEveryUnitAtEveryShortLength) {
  FixedWidthLayout layout{8};
  TextStore store{layout, 0};
  std::vector<std::u16string> expected;
  for (std::int32_t length = 0; length <= 40; ++length) {
    std::u16string text;
    for (std::int32_t i = 0; i < length; ++i) text += static_cast<char16_t>(u'A' + (7 * length + i) % 50);
    ASSERT_TRUE(store.AppendLineAndEnd(text.data(), length));
    ASSERT_TRUE(store.AppendToLastLine(text.data(), length) && store.AppendToLastLine(text.data(), length));
    ASSERT_TRUE(store.EndLastLine());
    expected.push_back(text + u"\n");
    expected.push_back(text + text + u"\n");
  }
  expected.push_back(u"");
  EXPECT_EQ(StoreLines(store), expected);
}

// Records live in chunks of slots linked by number: a store of more lines
// than a chunk holds, joined behind another, walks the same both ways, and
// keeps its lines when the emptied tail store goes.
TEST(TextStoreJoin, LinesOfSeveralChunksWalkBothWays) {
  FixedWidthLayout layout{8};
  const auto per_part = static_cast<std::int32_t>(line_slots::kChunkSlots) + 100;
  auto fill = [](TextStore& store, std::int32_t from) {
    for (std::int32_t i = from; i < from + per_part; ++i) {
      const std::u16string text(static_cast<std::size_t>(i % 7), static_cast<char16_t>(u'a' + i % 26));
      ASSERT_TRUE(store.AppendLineAndEnd(text.data(), static_cast<std::int32_t>(text.size())));
    }
  };
  TextStore head{layout, 0};
  fill(head, 0);
  {
    TextStore tail{layout, 0};
    fill(tail, per_part);
    ASSERT_TRUE(head.TakeLinesOf(tail));
  }
  ASSERT_EQ(head.LineCount(), 2 * per_part + 1);
  std::vector<std::u16string> backwards;
  LineRecord* line = head.Line(head.LineCount() - 1);
  for (std::int32_t i = 0; i < head.LineCount(); ++i, line = line->Previous()) backwards.push_back(LineText(*line));
  EXPECT_EQ(line, head.Line(head.LineCount() - 1));
  std::reverse(backwards.begin(), backwards.end());
  EXPECT_EQ(backwards, StoreLines(head));
  for (std::int32_t i = 0; i < 2 * per_part; ++i) {
    ASSERT_EQ(backwards[static_cast<std::size_t>(i)],
              std::u16string(static_cast<std::size_t>(i % 7), static_cast<char16_t>(u'a' + i % 26)) + u"\n")
        << i;
  }
}

}  // namespace
