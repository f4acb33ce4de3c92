#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_source.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"
#include "support/scratch_file.h"
#include "support/settings_bytes.h"

using settings_bytes::Bytes;

namespace {

// A fresh folder per test, removed afterwards.
class FileReplace : public ::testing::Test {
 protected:
  std::u16string PathOf(const char* name) const { return folder_.Path(name); }
  void Put(const char* name, const Bytes& bytes) const { folder_.Put(name, std::string(bytes.begin(), bytes.end())); }
  Bytes Get(const char* name) const {
    const std::string bytes = folder_.Get(name);
    return Bytes(bytes.begin(), bytes.end());
  }
  std::size_t FileCount() const { return folder_.Names().size(); }

  test_support::ScratchFolder folder_{"file_replace"};
};

bool WriteAll(byte_file::Target& target, const Bytes& bytes) {
  return target.WriteAt(0, bytes.data(), bytes.size()) == bytes.size();
}

}  // namespace

TEST_F(FileReplace, CommitPutsTheNewFileInPlaceOfTheOldOne) {
  Put("a.ini", {1, 2, 3});
  auto target = byte_file::CreateFileReplacement(PathOf("a.ini"));
  ASSERT_TRUE(target);
  ASSERT_TRUE(WriteAll(*target, {4, 5}));
  ASSERT_EQ(target->WriteAt(10, "x", 1), 1u);
  EXPECT_EQ(Get("a.ini"), (Bytes{1, 2, 3}));  // untouched until the commit
  ASSERT_TRUE(target->Commit());
  target.reset();
  EXPECT_EQ(Get("a.ini"), (Bytes{4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 'x'}));
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(FileReplace, AFirstSaveCreatesTheFile) {
  auto target = byte_file::CreateFileReplacement(PathOf("new.ini"));
  ASSERT_TRUE(target);
  ASSERT_TRUE(WriteAll(*target, {7}));
  ASSERT_TRUE(target->Commit());
  target.reset();
  EXPECT_EQ(Get("new.ini"), Bytes{7});
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(FileReplace, WithoutCommitTheOldFileStaysAndNoTemporaryRemains) {
  Put("a.ini", {1, 2, 3});
  {
    auto target = byte_file::CreateFileReplacement(PathOf("a.ini"));
    ASSERT_TRUE(target);
    ASSERT_TRUE(WriteAll(*target, Bytes(5000, 9)));
  }
  EXPECT_EQ(Get("a.ini"), (Bytes{1, 2, 3}));
  EXPECT_EQ(FileCount(), 1u);
  EXPECT_FALSE(byte_file::CreateFileReplacement(PathOf("missing_folder/a.ini")));
}

TEST_F(FileReplace, SourcesReadAtOffsetsAndReportTheirSize) {
  Put("s.bin", {10, 11, 12, 13});
  EXPECT_FALSE(byte_file::OpenFileSource(PathOf("none.bin")));
  auto source = byte_file::OpenFileSource(PathOf("s.bin"));
  ASSERT_TRUE(source);
  std::uint64_t size = 0;
  ASSERT_TRUE(source->Size(&size));
  EXPECT_EQ(size, 4u);
  std::uint8_t buffer[8] = {};
  EXPECT_EQ(source->ReadAt(2, buffer, 8), 2u);
  EXPECT_EQ(buffer[1], 13);
  EXPECT_EQ(source->ReadAt(9, buffer, 8), 0u);
}

TEST_F(FileReplace, SettingsFileSavedOverAnOldOneKeepsItsUnknownEntry) {
  const Bytes unknown = {0xDE, 0xAD, 0xBE, 0xEF, 0x01};
  Put("Vorndel.ini", settings_bytes::FileBuilder().String(0, u"Old").Run(199, unknown).Build());
  SettingsWriter writer;
  ASSERT_TRUE(writer.Create(PathOf("Vorndel.ini"), settings_file::kHeader));
  writer.WriteString(0, u"English");
  ASSERT_TRUE(writer.Close());

  const Bytes file = Get("Vorndel.ini");
  EXPECT_EQ(settings_bytes::RunOf(file, 199), unknown);
  EXPECT_EQ(settings_bytes::SlotOf(file, 199).first, settings_bytes::kTableEnd + 14u);
  SettingsReader reader;
  ASSERT_TRUE(reader.Open(PathOf("Vorndel.ini")));
  WideString name;
  reader.ReadString(0, name);
  EXPECT_EQ(name.View(), u"English");
  EXPECT_EQ(FileCount(), 1u);
}

TEST(FileReplaceNames, ATemporaryNameIsTheFileNameWithASuffixAndIsKnownAgain) {
  EXPECT_EQ(byte_file::TemporaryName(u"page.html", 1), u"page.html.vorndel-save");
  EXPECT_EQ(byte_file::TemporaryName(u"page.html", 12), u"page.html.vorndel-save-12");
  for (int attempt : {1, 2, byte_file::kNameAttempts})
    EXPECT_TRUE(byte_file::IsTemporaryName(byte_file::TemporaryName(u"a", attempt))) << attempt;
  for (const char16_t* other : {u"page.html", u".vorndel-save", u"a.vorndel-save-", u"a.vorndel-save-0",
                                u"a.vorndel-save-2x", u"a.vorndel-saved", u"tmp1A2B.tmp"})
    EXPECT_FALSE(byte_file::IsTemporaryName(other));
}
