#include "settings/settings_reader.h"

#include <gtest/gtest.h>

#include "support/settings_bytes.h"

using settings_bytes::Bytes;
using settings_bytes::kTableEnd;
using settings_bytes::FileBuilder;
using settings_bytes::OpenReader;
using settings_bytes::Utf16;

namespace {

std::u16string Text(const WideString& s) { return std::u16string(s.View()); }

std::vector<std::u16string> Texts(const std::vector<WideString>& list) {
  std::vector<std::u16string> out;
  for (const WideString& item : list) out.push_back(Text(item));
  return out;
}

}  // namespace

TEST(SettingsReader, ShortOrMissingFilesAreNotValidAndGiveDefaults) {
  const Bytes whole = FileBuilder(10).Int(3, 77).String(4, u"x").Build();
  for (std::size_t cut : {std::size_t{0}, std::size_t{3}, std::size_t{4}, std::size_t{4 + 8 * 10 - 1}}) {
    SettingsReader reader;
    EXPECT_FALSE(OpenReader(reader, Bytes(whole.begin(), whole.begin() + cut))) << cut;
    EXPECT_EQ(reader.ReadInt(3, -5), -5);
    WideString text;
    EXPECT_EQ(reader.ReadString(4, text), SettingsReader::kNotAvailable);
    EXPECT_EQ(reader.ReadBytes(4, nullptr, 0), 0u);
  }
  SettingsReader reader;
  EXPECT_FALSE(reader.Open(std::unique_ptr<byte_file::Source>()));
  EXPECT_FALSE(reader.Valid());
}

TEST(SettingsReader, InlineValuesNeedWhereExactlyOne) {
  const Bytes file = FileBuilder(20)
                         .Int(1, -7)
                         .Int(2, 2)  // bit 0 clear
                         .Int(3, 3)
                         .String(4, u"ab")
                         .Slot(5, 0, 99)
                         .Build();
  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, file));
  EXPECT_EQ(reader.Count(), 20u);
  EXPECT_EQ(reader.Version(), 1102);
  EXPECT_EQ(reader.ReadInt(1, 0), -7);
  EXPECT_FALSE(reader.ReadBool(2, true));
  EXPECT_TRUE(reader.ReadBool(3, false));
  EXPECT_EQ(reader.ReadInt(4, 11), 11);  // a data entry where a value is expected
  EXPECT_EQ(reader.ReadInt(5, 12), 12);  // absent
  EXPECT_EQ(reader.ReadInt(20, 13), 13);  // beyond the count
}

TEST(SettingsReader, StringStatusesAndUnreadableRuns) {
  Bytes odd = Utf16(u"abc");
  odd.push_back(0x41);
  FileBuilder builder(30);
  builder.String(1, u"hello").Int(2, 5).Run(3, odd).Slot(4, kTableEnd, 0);
  const std::uint32_t end = static_cast<std::uint32_t>(builder.Build().size());
  builder.Slot(5, end - 2, 4);  // runs past the end of the file
  builder.Slot(6, 4, 0xFFFFFFF0u);  // longer than the data area
  const Bytes file = builder.Build();

  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, file));
  WideString out;
  out.Assign(u"stale");
  EXPECT_EQ(reader.ReadString(1, out), SettingsReader::kAvailable);
  EXPECT_EQ(Text(out), u"hello");
  EXPECT_EQ(reader.ReadString(2, out), SettingsReader::kAvailable);  // inline: empty
  EXPECT_TRUE(out.Empty());
  EXPECT_EQ(reader.ReadString(3, out), SettingsReader::kAvailable);  // odd length: last byte ignored
  EXPECT_EQ(Text(out), u"abc");
  for (std::uint32_t i : {0u, 4u, 5u, 6u}) {
    out.Assign(u"stale");
    EXPECT_EQ(reader.ReadString(i, out), SettingsReader::kAvailable) << i;
    EXPECT_TRUE(out.Empty()) << i;
  }
  EXPECT_EQ(reader.ReadString(30, out), SettingsReader::kNotAvailable);
  EXPECT_EQ(reader.ReadString(400, out), SettingsReader::kNotAvailable);
}

TEST(SettingsReader, CountAboveTheEntryCountReadsTheEntriesInUseWithTheirTableEnd) {
  // 400 stored slots: the data really starts at 3204, but the data-size bound
  // counts only the slots in use, while offsets stay absolute.
  constexpr std::uint32_t kLast = settings_file::kEntryCount - 1;
  FileBuilder builder(400);
  builder.String(10, u"kept").String(kLast, u"last");
  builder.Slot(kLast + 1, 1, 5);
  const std::uint32_t size = static_cast<std::uint32_t>(builder.Build().size());
  const std::uint32_t data_size = size - kTableEnd;  // as bounded by the reader
  builder.Slot(11, kTableEnd, data_size);      // within the bound and the file
  builder.Slot(12, kTableEnd, data_size + 1);  // beyond the bound
  builder.Slot(13, 3204, data_size);      // within the bound, past the end of the file
  const Bytes file = builder.Build();

  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, file));
  EXPECT_EQ(reader.Count(), settings_file::kEntryCount);
  WideString out;
  reader.ReadString(10, out);
  EXPECT_EQ(Text(out), u"kept");
  reader.ReadString(kLast, out);
  EXPECT_EQ(Text(out), u"last");
  EXPECT_EQ(reader.ReadInt(kLast + 1, -1), -1);
  EXPECT_EQ(reader.ReadBytes(11, nullptr, 0), data_size);
  EXPECT_EQ(reader.ReadBytes(12, nullptr, 0), 0u);
  EXPECT_EQ(reader.ReadBytes(13, nullptr, 0), 0u);
}

TEST(SettingsReader, ReadBytesAnswersSizeQueriesWithoutReading) {
  const Bytes run = {1, 2, 3, 4, 5};
  const Bytes file = FileBuilder(3).Run(1, run).Int(2, 9).Build();
  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, file));
  std::uint8_t buffer[8] = {};
  EXPECT_EQ(reader.ReadBytes(1, nullptr, 0), 5u);
  EXPECT_EQ(reader.ReadBytes(1, buffer, 4), 5u);
  EXPECT_EQ(buffer[0], 0);  // too small: not read
  EXPECT_EQ(reader.ReadBytes(1, buffer, 8), 5u);
  EXPECT_EQ(Bytes(buffer, buffer + 5), run);
  EXPECT_EQ(reader.ReadBytes(2, buffer, 8), 0u);  // inline
  EXPECT_EQ(reader.ReadBytes(0, buffer, 8), 0u);  // absent
}

TEST(SettingsReader, StringListsSplitAtTerminatorsAndSkipEmptyItems) {
  Bytes three = Utf16(std::u16string_view(u"a\0\0b\0", 5));
  Bytes unterminated = Utf16(std::u16string_view(u"one\0two", 7));
  unterminated.push_back(0x7A);  // odd byte
  const Bytes file = FileBuilder(5).Run(1, three).Run(2, unterminated).Int(3, 4).Build();
  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, file));
  std::vector<WideString> list;
  reader.ReadStringList(1, list);
  EXPECT_EQ(Texts(list), (std::vector<std::u16string>{u"a", u"b"}));
  list.clear();
  reader.ReadStringList(2, list);
  EXPECT_EQ(Texts(list), (std::vector<std::u16string>{u"one", u"two"}));
  list.clear();
  reader.ReadStringList(3, list);
  reader.ReadStringList(0, list);
  EXPECT_TRUE(list.empty());
}

TEST(SettingsReader, FlaggedListPairsFlagsByPosition) {
  const Bytes items = Utf16(std::u16string_view(u"C:\\a\0\0C:\\b\0C:\\c\0", 17));
  struct Case {
    Bytes flags;
    std::vector<bool> expected;
  };
  const Case cases[] = {
      {{0, 1, 1, 0}, {false, true, false}},  // the empty second item keeps its flag's place
      {{1}, {true, false, false}},           // fewer flags than items
      {{}, {false, false, false}},           // no entry 16
      {Bytes(items.size() + 1, 1), {false, false, false}},  // longer than entry 15: ignored
  };
  for (const Case& c : cases) {
    FileBuilder builder(20);
    builder.Run(15, items);
    if (!c.flags.empty()) builder.Run(16, c.flags);
    SettingsReader reader;
    ASSERT_TRUE(OpenReader(reader, builder.Build()));
    std::vector<FavouriteFolder> list;
    reader.ReadFlaggedList(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(Text(list[0].path), u"C:\\a");
    EXPECT_EQ(Text(list[2].path), u"C:\\c");
    for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(list[k].expand_at_start, c.expected[k]) << k;
  }
  // A file with no more than 15 entries has no flagged list.
  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, FileBuilder(15).Build()));
  std::vector<FavouriteFolder> list;
  reader.ReadFlaggedList(list);
  EXPECT_TRUE(list.empty());
}
