#include "docs/text_file_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/scratch_file.h"
#include "support/fixed_width_layout.h"
#include "support/store_text.h"

using Lines = std::vector<std::u16string>;
using test_support::ScratchFile;

namespace {

class TextFileLoader : public ::testing::Test {
 protected:
  LoadResult Load(const ScratchFile& file, int choice = kAutoDetect) {
    return LoadIntoDocument(text, file.Path().c_str(), choice);
  }

  FixedWidthLayout layout{8};
  LoadedText text{layout, 0};
};

}  // namespace

TEST_F(TextFileLoader, TextGoesIntoTheStoreWithItsFileState) {
  ScratchFile file("load_utf8.html", "\xEF\xBB\xBF<p>\xE3\x81\x82</p>\n<br>\nlast");
  ASSERT_EQ(Load(file), kLoadedText);
  EXPECT_EQ(StoreLines(text.store), (Lines{u"<p>\u3042</p>\n", u"<br>\n", u"last"}));
  EXPECT_EQ(text.encoding, kUtf8);
  EXPECT_EQ(text.line_breaks, kLf);
  EXPECT_EQ(text.path.View(), file.Path());
  EXPECT_GT(text.last_write_time, 0u);
  EXPECT_EQ(text.store.LongestWidth(), 8 * 8);  // "<p>\u3042</p>", line feed 0
}

TEST_F(TextFileLoader, FinalLineBreakLeavesAnEmptyLastLine) {
  ScratchFile file("load_final.txt", "one\r\ntwo\r\n");
  ASSERT_EQ(Load(file), kLoadedText);
  EXPECT_EQ(StoreLines(text.store), (Lines{u"one\n", u"two\n", u""}));
  EXPECT_EQ(text.encoding, kSingleByte);
  EXPECT_EQ(text.line_breaks, kCrLf);
}

TEST_F(TextFileLoader, OneByteFileIsSingleByte) {
  ScratchFile file("load_one.txt", "\xE9");
  ASSERT_EQ(Load(file), kLoadedText);
  EXPECT_EQ(StoreLines(text.store), (Lines{u"\u00E9"}));
  EXPECT_EQ(text.encoding, kSingleByte);
}

TEST_F(TextFileLoader, EmptyAndMissingFilesLoadEmptyAndKeepTheEncoding) {
  text.encoding = kShiftJis;
  text.line_breaks = kCr;
  ScratchFile empty("load_empty.txt", "");
  ASSERT_EQ(Load(empty), kLoadedEmpty);
  EXPECT_EQ(StoreLines(text.store), (Lines{u""}));
  EXPECT_EQ(text.encoding, kShiftJis);
  EXPECT_EQ(text.line_breaks, kCr);
  EXPECT_EQ(text.path.View(), empty.Path());
  EXPECT_GT(text.last_write_time, 0u);

  std::u16string missing = empty.Path() + u".missing";
  ASSERT_EQ(LoadIntoDocument(text, missing.c_str(), kAutoDetect), kLoadedEmpty);
  EXPECT_EQ(text.path.View(), missing);
  EXPECT_EQ(text.last_write_time, 0u);
  EXPECT_EQ(text.encoding, kShiftJis);
}

TEST_F(TextFileLoader, FailuresChangeNothing) {
  ASSERT_TRUE(text.path.Assign(u"before"));
  text.last_write_time = 7;
  // Something exists under the path but cannot be read as a file.
  std::u16string folder = std::filesystem::temp_directory_path().u16string();
  EXPECT_EQ(LoadIntoDocument(text, folder.c_str(), kAutoDetect), kLoadFailed);
  // Detection cannot decide between Shift_JIS and EUC-JP.
  ScratchFile latin("load_latin.txt", "caf \xE9 ok");
  EXPECT_EQ(Load(latin), kLoadFailed);
  EXPECT_EQ(text.path.View(), u"before");
  EXPECT_EQ(text.last_write_time, 7u);
  EXPECT_EQ(StoreLines(text.store), (Lines{u""}));
  // An explicit encoding loads it.
  ASSERT_EQ(Load(latin, kSingleByte), kLoadedText);
  EXPECT_EQ(StoreLines(text.store), (Lines{u"caf \u00E9 ok"}));
  // Only an empty store takes a load.
  EXPECT_EQ(Load(latin, kSingleByte), kLoadFailed);
}

TEST_F(TextFileLoader, FilesOfFourGibibytesOrMoreFail) {
  ScratchFile huge("load_huge.txt", "");
  std::filesystem::resize_file(std::filesystem::path(huge.Path()), 0x100000000ull);  // sparse
  EXPECT_EQ(Load(huge), kLoadFailed);
  EXPECT_TRUE(text.path.Empty());
  EXPECT_EQ(StoreLines(text.store), (Lines{u""}));
}

TEST_F(TextFileLoader, ReloadIntoItsOwnPathAfterClearing) {
  ScratchFile file("load_reload.txt", "\x1B$B$3$s\x1B(B\nx");
  ASSERT_EQ(Load(file), kLoadedText);
  EXPECT_EQ(text.encoding, kIso2022Jp);
  text.store.Clear();
  ASSERT_EQ(LoadIntoDocument(text, text.path.Data(), kAutoDetect), kLoadedText);
  EXPECT_EQ(StoreLines(text.store), (Lines{u"\u3053\u3093\n", u"x"}));
  EXPECT_EQ(text.path.View(), file.Path());
}

TEST_F(TextFileLoader, LongMultiByteLinesAndEucJpThreeByteCharacters) {
  std::string bytes = "a";
  std::u16string expected = u"a";
  for (int i = 0; i < 2000; ++i) {
    bytes += "\x93\xFA";
    expected += u'\u65E5';
  }
  ScratchFile sjis("load_sjis.txt", bytes + "\r\n");
  ASSERT_EQ(Load(sjis), kLoadedText);
  EXPECT_EQ(text.encoding, kShiftJis);
  EXPECT_EQ(StoreLines(text.store), (Lines{expected + u"\n", u""}));
  text.store.Clear();
  ScratchFile euc("load_euc.txt", "\xC6\xFC\x8F\xB0\xA1\xCB\xDC\n");
  ASSERT_EQ(Load(euc), kLoadedText);
  EXPECT_EQ(text.encoding, kEucJp);
  EXPECT_EQ(StoreLines(text.store), (Lines{u"\u65E5\u30FB\u672C\n", u""}));
}

TEST_F(TextFileLoader, Utf16FilesByMark) {
  using namespace std::string_literals;
  ScratchFile little("load_le.txt", "\xFF\xFE" "a\0\r\0\n\0b\0!"s);
  ASSERT_EQ(Load(little), kLoadedText);
  EXPECT_EQ(text.encoding, kUtf16Le);
  EXPECT_EQ(StoreLines(text.store), (Lines{u"a\n", u"b"}));
  text.store.Clear();
  ScratchFile big("load_be.txt", "\xFE\xFF\0a\0\n\0b"s);
  ASSERT_EQ(Load(big), kLoadedText);
  EXPECT_EQ(text.encoding, kUtf16Be);
  EXPECT_EQ(text.line_breaks, kLf);
  EXPECT_EQ(StoreLines(text.store), (Lines{u"a\n", u"b"}));
}
