#include "editor/editing/reconvert_string.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/caret_harness.h"

namespace {

std::uint32_t Field(const std::vector<std::uint8_t>& bytes, int index) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[4 * index + i];
  return value;
}

TEST(ReconvertString, AOneLineSelectionIsAnswered) {
  CaretHarness h(700, 10, false);
  h.Load("x\\na^b\\u{3042}c|d\\ny");
  const std::uint32_t size = reconvert::Answer(h.store, nullptr, 0);
  EXPECT_EQ(size, 2u * 3 + 34);
  std::vector<std::uint8_t> bytes(size, 0xEE);
  ASSERT_EQ(reconvert::Answer(h.store, bytes.data(), size), size);
  const std::uint32_t expected_fields[8] = {size, 0, 3, 32, 3, 0, 3, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Field(bytes, i), expected_fields[i]) << "field " << i;
  const std::uint8_t text[] = {'b', 0, 0x42, 0x30, 'c', 0, 0, 0};
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 32, bytes.end()), std::vector<std::uint8_t>(text, text + 8));
}

TEST(ReconvertString, OtherSelectionsAreRefused) {
  CaretHarness h(700, 10, false);
  for (const char* text : {"ab|c", "a^b\\nc|d", "a|b\\nc^d", "ab^\\n|cd"}) {
    h.Load(text);
    EXPECT_EQ(reconvert::Answer(h.store, nullptr, 0), 0u) << text;
  }
}

TEST(ReconvertString, ASmallerBufferIsLeftAlone) {
  CaretHarness h(700, 10, false);
  h.Load("|abc^");
  std::vector<std::uint8_t> bytes(40, 0xEE);
  EXPECT_EQ(reconvert::Answer(h.store, bytes.data(), 39), 0u);
  EXPECT_EQ(bytes, std::vector<std::uint8_t>(40, 0xEE));
  EXPECT_FALSE(reconvert::Write(u"abc", 3, bytes.data(), 39));
  EXPECT_TRUE(reconvert::Write(u"abc", 3, bytes.data(), 40));
  EXPECT_EQ(Field(bytes, 0), 40u);
}

}  // namespace
