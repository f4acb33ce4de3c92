#include "platform/wide_string.h"

#include <gtest/gtest.h>

TEST(WideString, ReserveRoundsTwoNPlusTwoUpTo128Bytes) {
  WideString s;
  ASSERT_TRUE(s.Reserve(0));
  EXPECT_EQ(s.CapacityBytes(), 128u);
  ASSERT_TRUE(s.Reserve(63));  // 128 bytes hold 63 units and the terminator
  EXPECT_EQ(s.CapacityBytes(), 128u);
  ASSERT_TRUE(s.Reserve(64));  // 130 bytes needed
  EXPECT_EQ(s.CapacityBytes(), 256u);
  ASSERT_TRUE(s.Reserve(10));  // never shrinks
  EXPECT_EQ(s.CapacityBytes(), 256u);
}

TEST(WideString, ImpossibleReservationEmptiesTheString) {
  WideString s;
  ASSERT_TRUE(s.Assign(u"keep"));
  EXPECT_FALSE(s.Reserve(0xFFFFFFF0u));
  EXPECT_EQ(s.Data(), nullptr);
  EXPECT_EQ(s.Length(), 0u);
  EXPECT_EQ(s.CapacityBytes(), 0u);
}

TEST(WideString, AssignAppendAndTermination) {
  WideString s;
  ASSERT_TRUE(s.Assign(nullptr));
  EXPECT_EQ(s.View(), u"");
  ASSERT_NE(s.Data(), nullptr);
  EXPECT_EQ(s.Data()[0], 0);
  ASSERT_TRUE(s.Assign(u"abc"));
  ASSERT_TRUE(s.Append(u"def"));
  EXPECT_EQ(s.View(), u"abcdef");
  EXPECT_EQ(s.Data()[6], 0);
  // Embedded NUL units are kept by explicit length.
  const char16_t with_nul[] = {u'x', 0, u'y'};
  ASSERT_TRUE(s.Append(with_nul, 3));
  EXPECT_EQ(s.Length(), 9u);
  EXPECT_EQ(s.View().substr(6), std::u16string_view(with_nul, 3));
}

TEST(WideString, AppendingItselfAcrossGrowth) {
  WideString s;
  ASSERT_TRUE(s.Assign(std::u16string(60, u'a')));
  ASSERT_TRUE(s.Append(s.Data(), s.Length()));
  EXPECT_EQ(s.View(), std::u16string(120, u'a'));
  ASSERT_TRUE(s.Assign(s.Data() + 100, 5));
  EXPECT_EQ(s.View(), u"aaaaa");
}

TEST(WideString, JoinInsertsOneBackslash) {
  WideString s;
  ASSERT_TRUE(s.AssignJoined(u"C:\\web", u"index.html"));
  EXPECT_EQ(s.View(), u"C:\\web\\index.html");
  ASSERT_TRUE(s.AssignJoined(u"C:\\", u"index.html"));
  EXPECT_EQ(s.View(), u"C:\\index.html");
}
