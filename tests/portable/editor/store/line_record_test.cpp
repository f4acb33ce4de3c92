// One line's gap buffer, edited through the store so that layout runs too.
#include <gtest/gtest.h>

#include <string>

#include "editor/store/text_store.h"
#include "support/fixed_width_layout.h"
#include "support/store_text.h"

namespace {

class LineEditTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store.Valid()); }
  LineRecord& First() { return *store.Line(0); }
  bool Insert(const std::u16string& text, std::int32_t column) {
    return store.InsertUnits(First(), text.data(), static_cast<std::int32_t>(text.size()), column);
  }

  FixedWidthLayout layout{8};
  TextStore store{layout, 0};
};

TEST_F(LineEditTest, NewLineHasThirtyTwoUnitsAndReadsZeroPastItsEnd) {
  EXPECT_EQ(First().Length(), 0);
  EXPECT_EQ(First().Capacity(), 32);
  EXPECT_EQ(First().UnitAt(0), 0);
  ASSERT_TRUE(Insert(u"ab", 0));
  EXPECT_EQ(First().UnitAt(1), u'b');
  EXPECT_EQ(First().UnitAt(2), 0);
  EXPECT_EQ(First().UnitAt(-1), 0);
}

TEST_F(LineEditTest, GapMovesBothWaysWithoutGrowing) {
  ASSERT_TRUE(Insert(u"0123456789", 0));
  ASSERT_TRUE(Insert(u"a", 3));   // gap moves left
  ASSERT_TRUE(Insert(u"b", 9));   // gap moves right
  ASSERT_TRUE(Insert(u"c", 0));   // to the very start
  ASSERT_TRUE(Insert(u"d", TextStore::kEndColumn));  // append
  ASSERT_TRUE(Insert(u"e", -5));  // negative column counts as 0
  EXPECT_EQ(LineText(First()), u"ec012a34567b89d");
  EXPECT_EQ(First().Capacity(), 32);
}

TEST_F(LineEditTest, DeletesOnEitherSideOfTheGapAndAcrossIt) {
  const std::u16string text = u"abcdefghijklmnop";
  for (std::int32_t gap = 0; gap <= 16; ++gap) {
    for (std::int32_t column = 0; column < 16; ++column) {
      for (std::int32_t count = 1; column + count <= 16; ++count) {
        store.Clear();
        ASSERT_TRUE(Insert(text, 0));
        // Inserting and removing one unit leaves the gap at `gap`.
        ASSERT_TRUE(Insert(u"X", gap));
        ASSERT_EQ(store.DeleteUnits(First(), gap, 1), u'X');
        std::u16string expected = text;
        expected.erase(static_cast<std::size_t>(column), static_cast<std::size_t>(count));
        ASSERT_EQ(store.DeleteUnits(First(), column, count), text[static_cast<std::size_t>(column)]);
        ASSERT_EQ(LineText(First()), expected) << "gap " << gap << " column " << column << " count " << count;
        ASSERT_TRUE(Insert(u"Z", 16));  // the gap stays usable after the delete
        ASSERT_EQ(LineText(First()), expected + u"Z");
      }
    }
  }
}

TEST_F(LineEditTest, DeleteRefusesRangesLeavingTheLine) {
  ASSERT_TRUE(Insert(u"abcdef", 0));
  EXPECT_EQ(store.DeleteUnits(First(), 4, 3), -1);  // count <= length, but past the end
  EXPECT_EQ(store.DeleteUnits(First(), 0, 7), -1);
  EXPECT_EQ(store.DeleteUnits(First(), -1, 1), -1);
  EXPECT_EQ(store.DeleteUnits(First(), 2, 0), -1);
  EXPECT_EQ(store.DeleteUnits(First(), 7, 0), -1);
  EXPECT_EQ(LineText(First()), u"abcdef");
  EXPECT_EQ(store.DeleteUnits(First(), 4, 2), u'e');
  EXPECT_EQ(LineText(First()), u"abcd");
}

TEST_F(LineEditTest, GrowthMakesRoomForLengthPlusInsertionPlusThirtyTwo) {
  ASSERT_TRUE(Insert(u"abcdefghij", 0));
  ASSERT_TRUE(Insert(u"<", 5));  // gap inside the text when growth comes
  const std::u16string big(40, u'x');
  ASSERT_TRUE(Insert(big, 3));
  EXPECT_EQ(First().Capacity(), 11 + 40 + 32);
  EXPECT_EQ(LineText(First()), u"abc" + big + u"de<fghij");
  ASSERT_TRUE(Insert(u"!", TextStore::kEndColumn));
  EXPECT_EQ(LineText(First()), u"abc" + big + u"de<fghij!");
}

TEST_F(LineEditTest, InsertionNeedsText) {
  EXPECT_FALSE(store.InsertUnits(First(), nullptr, 3, 0));
  EXPECT_EQ(First().Length(), 0);
}

TEST_F(LineEditTest, NulUnitsAreStoredLikeAnyOther) {
  const std::u16string text(u"a\0b\0", 4);
  ASSERT_TRUE(Insert(text, 0));
  ASSERT_TRUE(Insert(std::u16string(u"\0", 1), 1));
  EXPECT_EQ(First().Length(), 5);
  EXPECT_EQ(LineText(First()), std::u16string(u"a\0\0b\0", 5));
  EXPECT_EQ(First().Width(), 5 * 8);
}

TEST_F(LineEditTest, CopyAndContiguousReadAcrossTheGap) {
  ASSERT_TRUE(Insert(u"abcdefgh", 0));
  ASSERT_TRUE(Insert(u"_", 3));
  char16_t out[9] = {};
  ASSERT_TRUE(First().CopyUnits(2, 4, out));
  EXPECT_EQ(std::u16string(out, 4), u"c_de");
  EXPECT_FALSE(First().CopyUnits(0, 0, out));
  EXPECT_FALSE(First().CopyUnits(6, 4, out));
  EXPECT_FALSE(First().CopyUnits(-1, 2, out));
  const char16_t* text = First().MakeContiguous();
  EXPECT_EQ(std::u16string(text, 9), u"abc_defgh");
  ASSERT_TRUE(Insert(u"+", 0));  // still editable after closing the gap
  EXPECT_EQ(LineText(First()), u"+abc_defgh");
}

TEST(LineRowsTest, SingleRowCoversTheLineAndRowsAreStoredWhenItWraps) {
  FixedWidthLayout layout{10};
  TextStore store{layout, 40};  // four units a row
  LineRecord& line = *store.Line(0);
  const std::u16string text = u"abcdefghij";
  ASSERT_TRUE(store.InsertUnits(line, text.data(), 3, 0));
  EXPECT_EQ(line.RowCount(), 1);
  EXPECT_EQ(line.Row(0).units, 3);
  EXPECT_EQ(line.Row(0).width, 30);
  ASSERT_TRUE(store.InsertUnits(line, text.data() + 3, 7, 3));
  ASSERT_EQ(line.RowCount(), 3);
  EXPECT_EQ(line.Row(1).units, 4);
  EXPECT_EQ(line.Row(2).units, 2);
  EXPECT_EQ(line.Row(2).width, 20);
  EXPECT_EQ(line.Row(3).units, 0);
  EXPECT_EQ(line.Width(), 100);
  EXPECT_EQ(store.TotalRows(), 3);
  ASSERT_EQ(store.DeleteUnits(line, 0, 8), u'a');
  EXPECT_EQ(line.RowCount(), 1);
  EXPECT_EQ(line.Row(0).units, 2);
  EXPECT_EQ(store.TotalRows(), 1);
  RowInfo bad[1] = {{2, 20}};
  EXPECT_FALSE(line.SetLayout(20, bad, 0));
  EXPECT_FALSE(line.SetLayout(20, nullptr, 2));
}

}  // namespace
