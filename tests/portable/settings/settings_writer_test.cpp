#include "settings/settings_writer.h"

#include <gtest/gtest.h>

#include "support/settings_bytes.h"

using settings_bytes::Bytes;
using settings_bytes::kTableEnd;

constexpr std::uint8_t kEntryCountLow = settings_file::kEntryCount & 0xFF;
using settings_bytes::FileBuilder;
using settings_bytes::OpenReader;
using settings_bytes::RunOf;
using settings_bytes::SlotOf;
using settings_bytes::Utf16;
using settings_bytes::Write;
using Slot = std::pair<std::uint32_t, std::uint32_t>;

namespace {

std::vector<WideString> List(std::initializer_list<std::u16string_view> items) {
  std::vector<WideString> list;
  for (auto item : items) {
    WideString s;
    s.Assign(item);
    list.push_back(std::move(s));
  }
  return list;
}

}  // namespace

TEST(SettingsWriter, NewFileStartsWithTheHeaderAndItsFirstRunAtTheTableEnd) {
  const auto result = Write(nullptr, [](SettingsWriter& w) {
    w.WriteString(0, u"English");
    w.WriteInt(1, 1);
  });
  ASSERT_TRUE(result.valid);
  EXPECT_TRUE(result.committed);
  const Bytes& file = result.bytes;
  ASSERT_GE(file.size(), kTableEnd + 14u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{kEntryCountLow, 0x01, 0x4E, 0x04}));
  EXPECT_EQ(SlotOf(file, 0), Slot(kTableEnd, 14));
  EXPECT_EQ(RunOf(file, 0), Utf16(u"English"));
  EXPECT_EQ(SlotOf(file, 1), Slot(1, 1));
  EXPECT_EQ(SlotOf(file, 353), Slot(0, 0));
  EXPECT_EQ(file.size(), kTableEnd + 14u);
}

TEST(SettingsWriter, EveryKindRoundTrips) {
  const Bytes block = {0, 1, 2, 0xFF, 7, 8};
  std::vector<FavouriteFolder> folders(2);
  folders[0].path.Assign(u"C:\\Pictures");
  folders[1].path.Assign(u"D:\\web");
  folders[1].expand_at_start = true;
  const auto result = Write(nullptr, [&](SettingsWriter& w) {
    w.WriteInt(2, -123456);
    w.WriteBool(3, true);
    w.WriteInt(28, static_cast<std::int32_t>(0x00DC3C00));
    w.WriteString(17, u"C:\\Users\\\u65E5\u672C");
    w.WriteStringList(13, List({u".html", u".css"}));
    w.WriteFlaggedList(folders);
    w.WriteBytes(20, block.data(), static_cast<std::uint32_t>(block.size()));
  });
  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, result.bytes));
  EXPECT_EQ(reader.ReadInt(2, 0), -123456);
  EXPECT_TRUE(reader.ReadBool(3, false));
  EXPECT_EQ(static_cast<std::uint32_t>(reader.ReadInt(28, 0)), 0x00DC3C00u);
  WideString text;
  reader.ReadString(17, text);
  EXPECT_EQ(text.View(), u"C:\\Users\\\u65E5\u672C");
  std::vector<WideString> list;
  reader.ReadStringList(13, list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].View(), u".css");
  std::vector<FavouriteFolder> read_folders;
  reader.ReadFlaggedList(read_folders);
  ASSERT_EQ(read_folders.size(), 2u);
  EXPECT_EQ(read_folders[1].path.View(), u"D:\\web");
  EXPECT_FALSE(read_folders[0].expand_at_start);
  EXPECT_TRUE(read_folders[1].expand_at_start);
  std::uint8_t bytes[16];
  ASSERT_EQ(reader.ReadBytes(20, bytes, sizeof bytes), block.size());
  EXPECT_EQ(Bytes(bytes, bytes + block.size()), block);
}

TEST(SettingsWriter, EmptyValuesAreStoredAbsent) {
  const Bytes old = FileBuilder().String(24, u"Courier").String(13, u".x").Build();
  const auto result = Write(&old, [](SettingsWriter& w) {
    w.WriteString(24, u"");
    w.WriteStringList(13, List({u"", u""}));
    w.WriteBytes(20, nullptr, 0);
    w.WriteFlaggedList({});
  });
  for (std::uint32_t i : {13u, 15u, 16u, 20u, 24u}) EXPECT_EQ(SlotOf(result.bytes, i), Slot(0, 0)) << i;
  EXPECT_EQ(result.bytes.size(), kTableEnd);
  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, result.bytes));
  WideString face;
  EXPECT_EQ(reader.ReadString(24, face), SettingsReader::kAvailable);
  EXPECT_TRUE(face.Empty());
}

TEST(SettingsWriter, ListWithAnEmptyMiddleItemTakesEightBytes) {
  const auto result = Write(nullptr, [](SettingsWriter& w) { w.WriteStringList(14, List({u"a", u"", u"b"})); });
  EXPECT_EQ(RunOf(result.bytes, 14), (Bytes{'a', 0, 0, 0, 'b', 0, 0, 0}));
  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, result.bytes));
  std::vector<WideString> list;
  reader.ReadStringList(14, list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].View(), u"a");
  EXPECT_EQ(list[1].View(), u"b");
}

TEST(SettingsWriter, OldEntriesNotWrittenAreCarriedOverAfterTheNewRuns) {
  const Bytes unknown = {9, 8, 7, 6, 5, 4, 3};  // odd length, not a string of this program
  const Bytes old = FileBuilder()
                        .String(0, u"Old")
                        .Run(200, unknown)
                        .Int(353, 4)
                        .String(17, u"C:\\old")
                        .Build();
  const auto result = Write(&old, [](SettingsWriter& w) {
    w.WriteString(0, u"English");
    w.WriteString(24, u"Font");
    w.WriteInt(17, 3);  // an old run replaced by an inline value must not come back
  });
  ASSERT_TRUE(result.committed);
  const Bytes& file = result.bytes;
  EXPECT_EQ(SlotOf(file, 0), Slot(kTableEnd, 14));
  EXPECT_EQ(SlotOf(file, 24), Slot(kTableEnd + 14, 8));
  EXPECT_EQ(SlotOf(file, 200), Slot(kTableEnd + 22, 7));
  EXPECT_EQ(RunOf(file, 200), unknown);
  EXPECT_EQ(SlotOf(file, 353), Slot(1, 4));  // inline slot kept through the placeholder table
  EXPECT_EQ(SlotOf(file, 17), Slot(1, 3));
  EXPECT_EQ(file.size(), kTableEnd + 29);
}

TEST(SettingsWriter, OldFileOffsetsOutsideItsDataAreaAreNotCarried) {
  FileBuilder builder;
  builder.Run(30, {1, 2, 3, 4});
  const std::uint32_t size = static_cast<std::uint32_t>(builder.Build().size());
  builder.Slot(31, 100, 4);             // starts inside the old table
  builder.Slot(32, size - 2, 4);        // ends past the file
  builder.Slot(33, 0xFFFFFFF0u, 0x20);  // wraps around in 32 bits
  builder.Slot(34, kTableEnd, 0xFFFFFFFFu);
  const Bytes old = builder.Build();
  const auto result = Write(&old, [](SettingsWriter&) {});
  ASSERT_TRUE(result.committed);
  EXPECT_EQ(RunOf(result.bytes, 30), (Bytes{1, 2, 3, 4}));
  for (std::uint32_t i : {31u, 32u, 33u, 34u}) EXPECT_EQ(SlotOf(result.bytes, i), Slot(0, 0)) << i;
}

TEST(SettingsWriter, OldCountDecidesWhereTheOldDataStarts) {
  // 400 stored slots: the old data starts at 3204; slots past the entry count are dropped.
  const Bytes old = FileBuilder(400).Run(5, {0xAA, 0xBB}).Run(380, {0xCC}).Int(399, 1).Build();
  const auto result = Write(&old, [](SettingsWriter&) {});
  EXPECT_EQ(RunOf(result.bytes, 5), (Bytes{0xAA, 0xBB}));
  EXPECT_EQ(result.bytes.size(), kTableEnd + 2u);

  // A file shorter than the table it announces has no data area to carry;
  // its data slots do not survive as dangling offsets, its inline ones do.
  Bytes truncated = FileBuilder(400).Int(7, 70).Run(5, {0xAA}).Build();
  truncated.resize(kTableEnd + 1);
  const auto short_result = Write(&truncated, [](SettingsWriter&) {});
  ASSERT_TRUE(short_result.committed);
  EXPECT_EQ(SlotOf(short_result.bytes, 5), Slot(0, 0));
  EXPECT_EQ(SlotOf(short_result.bytes, 7), Slot(1, 70));
}

TEST(SettingsWriter, AFailedRunIsWrittenAbsentAndTheOldFileIsKept) {
  const Bytes old = FileBuilder().Run(200, {1, 2, 3}).Build();
  // Room for the table and one 4-byte run only.
  const auto result = Write(&old, [](SettingsWriter& w) {
    w.WriteString(0, u"ab");
    w.WriteString(1, u"cdef");
    w.WriteString(2, u"g");
  }, kTableEnd + 6);
  ASSERT_TRUE(result.valid);
  EXPECT_FALSE(result.committed);
  EXPECT_EQ(SlotOf(result.bytes, 0), Slot(kTableEnd, 4));
  EXPECT_EQ(SlotOf(result.bytes, 1), Slot(0, 0));
  EXPECT_EQ(SlotOf(result.bytes, 2), Slot(kTableEnd + 4, 2));  // the failed run's place is reused
  EXPECT_EQ(SlotOf(result.bytes, 200), Slot(0, 0));
}

TEST(SettingsWriter, UnwritableTableMeansNothingIsWritten) {
  const auto result = Write(nullptr, [](SettingsWriter& w) { ADD_FAILURE() << "written while not Valid"; }, 100);
  EXPECT_FALSE(result.valid);
  EXPECT_FALSE(result.committed);
}
