#include "platform/address_space.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr std::size_t kReserved = 64 * 1024 * 1024;
constexpr std::size_t kRange = 64 * 1024;

// Committed memory reads as zero, and again after it was given back and
// committed anew, as the line slots' chunks are when one pool's go to the
// next.
TEST(AddressSpace, RangesCommitZeroedAgainAndAgain) {
  auto* space = static_cast<unsigned char*>(address_space::Reserve(kReserved));
  ASSERT_NE(space, nullptr);
  unsigned char* range = space + kReserved - kRange;
  const unsigned char zeros[kRange] = {};
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(address_space::Commit(range, kRange));
    EXPECT_EQ(std::memcmp(range, zeros, kRange), 0) << round;
    std::memset(range, 0x5A, kRange);
    address_space::Decommit(range, kRange);
  }
}

}  // namespace
