// Packing and reading the file names handed to the running instance.
#include "frame/startup/handover_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::u16string> NamesIn(const void* data, std::size_t bytes) {
  WideString units;
  EXPECT_TRUE(handover_names::Receive(data, bytes, units));
  std::vector<std::u16string> names;
  std::size_t offset = 0;
  std::u16string_view name;
  while (handover_names::NextName(units.View(), offset, name)) names.emplace_back(name);
  return names;
}

TEST(HandoverNames, PackSkipsTheProgramAndEmptyArgumentsAndCountsOnlyWhatItSends) {
  const char16_t* args[] = {u"C:\\Vorndel.exe", u"a.html", u"", u"C:\\b c.css", nullptr};
  WideString block;
  std::uint32_t names = 99;
  ASSERT_TRUE(handover_names::Pack(args, 5, block, names));
  EXPECT_EQ(names, 2u);
  const std::u16string expected{u"a.html\0C:\\b c.css\0", 18};
  EXPECT_EQ(std::u16string(block.View()), expected);
  EXPECT_EQ(block.Length() * 2u, 2u * (6 + 1 + 10 + 1));  // the byte count sent

  ASSERT_TRUE(handover_names::Pack(args, 1, block, names));
  EXPECT_EQ(names, 0u);
  EXPECT_EQ(block.Length(), 0u);
}

TEST(HandoverNames, PackedNamesReadBackInOrder) {
  const char16_t* args[] = {u"prog", u"x.txt", u"\u65E5\u672C.html"};
  WideString block;
  std::uint32_t names = 0;
  ASSERT_TRUE(handover_names::Pack(args, 3, block, names));
  const auto read = NamesIn(block.Data(), block.Length() * 2);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0], u"x.txt");
  EXPECT_EQ(read[1], u"\u65E5\u672C.html");
}

TEST(HandoverNames, MalformedBlocksYieldOnlyWholeNames) {
  // Unterminated last name: dropped.
  const char16_t open_end[] = {u'a', 0, u'b', u'c'};
  EXPECT_EQ(NamesIn(open_end, sizeof open_end), std::vector<std::u16string>{u"a"});
  // Odd byte count: the half unit is ignored, so "bc" loses its terminator.
  const char16_t odd[] = {u'a', 0, u'b', u'c', 0};
  EXPECT_EQ(NamesIn(odd, sizeof odd - 1), std::vector<std::u16string>{u"a"});
  // Empty names between terminators are skipped.
  const char16_t gaps[] = {0, 0, u'z', 0, 0};
  EXPECT_EQ(NamesIn(gaps, sizeof gaps), std::vector<std::u16string>{u"z"});
  // Nothing at all, a null block, and a single byte.
  EXPECT_TRUE(NamesIn(nullptr, 100).empty());
  EXPECT_TRUE(NamesIn(gaps, 0).empty());
  EXPECT_TRUE(NamesIn(odd, 1).empty());
  // Misaligned source bytes are read correctly.
  unsigned char raw[9] = {};
  const char16_t name[] = {u'q', 0};
  std::memcpy(raw + 1, name, sizeof name);
  EXPECT_EQ(NamesIn(raw + 1, sizeof name), std::vector<std::u16string>{u"q"});
}

TEST(HandoverNames, OverlongNamesAreSkippedButTheNextIsRead) {
  std::u16string block(handover_names::kMaxNameUnits + 1, u'x');
  block.push_back(0);
  block += u"ok";
  block.push_back(0);
  EXPECT_EQ(NamesIn(block.data(), block.size() * 2), std::vector<std::u16string>{u"ok"});
}

}  // namespace
