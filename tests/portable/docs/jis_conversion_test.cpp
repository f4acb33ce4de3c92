// Shift_JIS pairs to JIS X 0208 and back: the arithmetic over every pair of
// the standard rows, and IBM's extensions through their table.
#include "docs/jis_conversion.h"

#include <gtest/gtest.h>

namespace {

std::uint16_t Jis(std::uint16_t shift_jis) {
  std::uint8_t jis[2];
  jis::FromShiftJis(static_cast<std::uint8_t>(shift_jis >> 8), static_cast<std::uint8_t>(shift_jis & 0xFF), jis);
  return static_cast<std::uint16_t>(jis[0] << 8 | jis[1]);
}

}  // namespace

// Every pair of lead bytes 0x81..0x9F and 0xE0..0xEF with every valid trail
// byte goes to a JIS code in rows 0x21..0x7E that comes back unchanged.
TEST(JisConversion, StandardPairsGoThereAndBack) {
  int pairs = 0;
  for (int lead = 0x81; lead <= 0xEF; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      std::uint8_t jis[2], back[2];
      ASSERT_TRUE(jis::FromShiftJis(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail), jis));
      ASSERT_GE(jis[0], 0x21);
      ASSERT_LE(jis[0], 0x7E);
      ASSERT_GE(jis[1], 0x21);
      ASSERT_LE(jis[1], 0x7E);
      jis::ToShiftJis(jis[0], jis[1], back);
      ASSERT_EQ(back[0], lead) << std::hex << lead << ' ' << trail;
      ASSERT_EQ(back[1], trail) << std::hex << lead << ' ' << trail;
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 47 * 188);
  EXPECT_EQ(Jis(0x8140), 0x2121);
  EXPECT_EQ(Jis(0x93FA), 0x467C);
  EXPECT_EQ(Jis(0x889F), 0x3021);
  EXPECT_EQ(Jis(0xEAA4), 0x7426);
}

TEST(JisConversion, IbmExtensionsFollowTheirTable) {
  EXPECT_EQ(Jis(0xFA40), 0x7C71);
  EXPECT_EQ(Jis(0xFA49), 0x7C7A);
  EXPECT_EQ(Jis(0xFA4A), 0x2D35);
  EXPECT_EQ(Jis(0xFA53), 0x2D3E);
  EXPECT_EQ(Jis(0xFA54), 0x224C);
  EXPECT_EQ(Jis(0xFA55), 0x7C7C);
  EXPECT_EQ(Jis(0xFA57), 0x7C7E);
  EXPECT_EQ(Jis(0xFA58), 0x2D6A);
  EXPECT_EQ(Jis(0xFA59), 0x2D62);
  EXPECT_EQ(Jis(0xFA5A), 0x2D64);
  EXPECT_EQ(Jis(0xFA5B), 0x2268);
  // Consecutive codes fill rows 0x79..0x7C, skipping trail 0x7F.
  EXPECT_EQ(Jis(0xFA5C), 0x7921);
  EXPECT_EQ(Jis(0xFA7E), 0x7943);
  EXPECT_EQ(Jis(0xFA80), 0x7944);
  EXPECT_EQ(Jis(0xFABA), 0x797E);
  EXPECT_EQ(Jis(0xFABB), 0x7A21);
  EXPECT_EQ(Jis(0xFB5B), 0x7A7E);
  EXPECT_EQ(Jis(0xFB5C), 0x7B21);
  EXPECT_EQ(Jis(0xFBBA), 0x7B7E);
  EXPECT_EQ(Jis(0xFBBB), 0x7C21);
  EXPECT_EQ(Jis(0xFC4B), 0x7C6E);
  // Entries that hold no character.
  for (std::uint16_t code : {0xFA7F, 0xFAFD, 0xFAFF, 0xFB7F, 0xFC4C, 0xFC4F}) {
    EXPECT_EQ(Jis(code), 0x2129) << std::hex << code;
  }
  // Past the table the arithmetic applies again.
  EXPECT_NE(Jis(0xFC50), 0x2129);
}
