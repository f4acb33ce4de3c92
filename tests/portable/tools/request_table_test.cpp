// The file browser worker's requests are found by serial: a serial that
// was never given, or was taken already, finds nothing.
#include <gtest/gtest.h>

#include <memory>

#include "tools/file_browser/request_table.h"

namespace {

TEST(RequestTable, OnlyALiveSerialFindsItsRecordAndOnlyOnce) {
  RequestTable<int> table;
  const std::uint32_t first = table.Add(std::make_unique<int>(10));
  const std::uint32_t second = table.Add(std::make_unique<int>(20));
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  EXPECT_EQ(table.Add(nullptr), 0u);
  EXPECT_EQ(table.Size(), 2u);
  for (std::uint32_t junk : {0u, second + 1, 0xFFFFFFFFu}) EXPECT_EQ(table.Take(junk), nullptr) << junk;
  std::unique_ptr<int> taken = table.Take(second);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(*taken, 20);
  EXPECT_EQ(table.Take(second), nullptr);
  table.Clear();
  EXPECT_EQ(table.Take(first), nullptr);
  EXPECT_EQ(table.Size(), 0u);
}

}  // namespace
