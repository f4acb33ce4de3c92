#include "tools/tag_library_file.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/memory_file.h"
#include "support/tag_library_text.h"

using settings_bytes::Bytes;
using tag_library_text::FileBytes;

namespace {

constexpr std::u16string_view kSettings = u"C:\\Users\\u\\AppData\\Vorndel\\Vorndel.ini";
constexpr std::u16string_view kProgram = u"C:\\Program Files\\Vorndel\\Vorndel.exe";
const std::u16string kUserFile = u"C:\\Users\\u\\AppData\\Vorndel\\Tags.txt";
const std::u16string kEnglish = u"C:\\Program Files\\Vorndel\\OptTags_en.txt";
const std::u16string kJapanese = u"C:\\Program Files\\Vorndel\\OptTags.txt";
constexpr std::uint16_t kJapaneseUi = 1041, kEnglishUi = 1033;

// Files in memory; a locked one (no bytes) exists but does not open.
class MemoryFiles : public tag_library_file::LibraryFiles {
 public:
  bool Exists(std::u16string_view path) override { return files.count(std::u16string(path)); }
  std::unique_ptr<byte_file::Source> Open(std::u16string_view path) override {
    const Bytes& bytes = files[std::u16string(path)];
    return bytes.empty() ? nullptr : std::make_unique<byte_file::MemorySource>(bytes);
  }
  std::unique_ptr<byte_file::Target> Replace(std::u16string_view path) override {
    return std::make_unique<byte_file::MemoryTarget>(written[std::u16string(path)]);
  }

  std::map<std::u16string, Bytes> files;
  std::map<std::u16string, byte_file::MemoryFile> written;
};

}  // namespace

TEST(TagLibraryFile, TheUserFileComesFirstThenTheDefaultTheLanguagePrefers) {
  const struct {
    std::vector<std::u16string> existing;
    std::uint16_t language;
    std::u16string chosen;  // empty: none
  } cases[] = {
      {{kUserFile, kEnglish, kJapanese}, kJapaneseUi, kUserFile}, {{kEnglish, kJapanese}, kEnglishUi, kEnglish},
      {{kEnglish, kJapanese}, kJapaneseUi, kJapanese},            {{kJapanese}, kEnglishUi, kJapanese},
      {{kEnglish}, kJapaneseUi, kEnglish},                         {{}, kEnglishUi, u""},
  };
  for (const auto& c : cases) {
    MemoryFiles files;
    for (const std::u16string& path : c.existing) files.files[path] = {1};
    WideString chosen;
    EXPECT_EQ(tag_library_file::ChooseFileToRead({kSettings, kProgram, c.language}, files, chosen), !c.chosen.empty());
    EXPECT_EQ(chosen.View(), c.chosen);
  }
}

TEST(TagLibraryFile, ALibraryNotReadWholeGoesToAFreeNameAndItsFileStays) {
  const Bytes user = FileBytes(u"Folder:Mine\r\nExp:1\r\n\r\n");
  const Bytes shipped = FileBytes(u"Folder:Shipped\r\nExp:0\r\n\r\n");
  const std::u16string second = u"C:\\Users\\u\\AppData\\Vorndel\\Tags (2).txt";
  const std::u16string third = u"C:\\Users\\u\\AppData\\Vorndel\\Tags (3).txt";
  const struct {
    const char* what;
    std::map<std::u16string, Bytes> files;
    std::u16string written;  // where the library went
    Bytes saved;
  } cases[] = {
      {"no file at all", {}, kUserFile, {0xFF, 0xFE}},
      {"only the default", {{kEnglish, shipped}}, kUserFile, shipped},
      {"the user's file", {{kUserFile, user}, {kEnglish, shipped}}, kUserFile, user},
      {"the user's file locked", {{kUserFile, {}}, {kEnglish, shipped}}, second, {0xFF, 0xFE}},
      {"the user's file locked, a second taken", {{kUserFile, {}}, {second, user}}, third, {0xFF, 0xFE}},
      {"the default locked", {{kEnglish, {}}}, kUserFile, {0xFF, 0xFE}},
  };
  for (const auto& c : cases) {
    MemoryFiles files;
    files.files = c.files;
    TagLibrary library;
    WideString read, written;
    const bool whole = tag_library_file::Load({kSettings, kProgram, kEnglishUi}, files, library, read);
    LinkedLibraryWalk walk(library);
    EXPECT_TRUE(tag_library_file::Save(kSettings, whole, files, walk, written)) << c.what;
    EXPECT_EQ(written.View(), c.written) << c.what;
    ASSERT_EQ(files.written.size(), 1u) << c.what;
    EXPECT_TRUE(files.written[c.written].committed) << c.what;
    EXPECT_EQ(files.written[c.written].bytes, c.saved) << c.what;
  }
}
