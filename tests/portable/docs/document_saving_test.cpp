// Saving a document: the bytes of the file, the file state the document
// takes on success, a failure that changes nothing, and texts in every
// encoding and line-break style read back by the loader as they were.
#include "docs/document_saving.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "docs/document_opening.h"
#include "support/document_fixture.h"
#include "support/scratch_file.h"

namespace {

std::string FileBytes(const std::u16string& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Modified(Document& document) { return document.Editor().History().Modified(); }

}  // namespace

TEST(DocumentSaving, WritesTheFileAndTakesItsState) {
  test_support::ScratchFile file("saved.css", "old bytes that are longer than the new ones");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"a\nb"));
  f.document.InsertText(u"\u65E5");
  ASSERT_TRUE(Modified(f.document));
  f.window.Reset();

  ASSERT_TRUE(document_saving::Save(f.document, file.Path().c_str(), kShiftJis, kLf));
  EXPECT_EQ(FileBytes(file.Path()), "\x93\xFA" "a\nb");
  EXPECT_FALSE(Modified(f.document));
  EXPECT_EQ(f.document.Path().View(), file.Path());
  EXPECT_EQ(f.document.Mode(), kSyntaxCss);
  EXPECT_EQ(f.document.encoding, kShiftJis);
  EXPECT_EQ(f.document.line_break_style, kLf);
  EXPECT_NE(f.document.file_time, 0u);
  ASSERT_FALSE(f.window.messages.empty());
  EXPECT_EQ(f.window.messages.back().message, EDN_MODIFIEDCHANGED);
  EXPECT_EQ(f.window.messages.back().wparam, reinterpret_cast<std::uintptr_t>(&f.document));
}

TEST(DocumentSaving, ANameDifferingOnlyInLetterCaseKeepsThePath) {
  test_support::ScratchFile file("case.html", "");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"x"));
  std::u16string path = file.Path();
  ASSERT_TRUE(f.document.Path().Assign(path));
  std::u16string other = path;
  other.replace(other.size() - 4, 4, u"HTML");
  // Natively another file (case counts there), the same file on Windows.
  ASSERT_TRUE(document_saving::Save(f.document, other.c_str(), kUtf8, kCrLf));
  EXPECT_EQ(f.document.Path().View(), path);
  std::error_code ignored;
  if (!std::filesystem::equivalent(path, other, ignored)) std::filesystem::remove(std::filesystem::path(other), ignored);
}

TEST(DocumentSaving, AFailedSaveChangesNothing) {
  test_support::ScratchFile file("kept.html", "kept bytes");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"new text"));
  f.document.InsertText(u"!");
  ASSERT_TRUE(f.document.Path().Assign(u"original.html"));
  f.window.Reset();
  // A folder that is a file, and an encoding that does not exist.
  const std::u16string inside_a_file = file.Path() + u"/page.html";
  EXPECT_FALSE(document_saving::Save(f.document, inside_a_file.c_str(), kUtf8, kCrLf));
  EXPECT_FALSE(document_saving::Save(f.document, file.Path().c_str(), kAutoDetect, kCrLf));
  EXPECT_FALSE(document_saving::Save(f.document, file.Path().c_str(), kUtf8, 3));
  EXPECT_EQ(FileBytes(file.Path()), "kept bytes");
  EXPECT_TRUE(Modified(f.document));
  EXPECT_EQ(f.document.Path().View(), u"original.html");
  EXPECT_EQ(f.document.encoding, kUtf8);
  EXPECT_EQ(f.document.line_break_style, kCrLf);
  EXPECT_EQ(f.document.file_time, 0u);
  EXPECT_TRUE(f.window.messages.empty());
}

// Random texts of characters each encoding holds, saved in every encoding
// and style and loaded with that encoding: the same text comes back, and
// the style is found again.
TEST(DocumentSaving, EveryEncodingAndStyleReadsBackAsSaved) {
  // Characters, a surrogate pair among them, by which encodings hold them.
  const std::vector<std::u16string> common = {u"a", u"b", u" ", u"<", u"p", u">", u"\t", u"&", u";", u"0", u"9"};
  const std::vector<std::u16string> japanese = {u"\u65E5", u"\u672C", u"\u3042", u"\u30A2", u"\uFF71",
                                                u"\uFF9F", u"\u3000", u"\u2460", u"\u7E8A"};
  const std::vector<std::u16string> latin = {u"\u00E9", u"\u00FF", u"\u00A0", u"\u0080"};
  const std::vector<std::u16string> wide = {u"\U0001F600", u"\uFFFF", u"\u20AC"};
  std::mt19937 random(5);
  test_support::ScratchFile file("round.txt", "");
  for (int encoding = kUtf8; encoding <= kSingleByte; ++encoding) {
    std::vector<std::u16string> pool = common;
    auto add = [&pool](const std::vector<std::u16string>& more) { pool.insert(pool.end(), more.begin(), more.end()); };
    add(encoding == kSingleByte ? latin : japanese);
    if (encoding <= kUtf16Be) add(wide);
    for (int style = kCrLf; style <= kCr; ++style) {
      for (int round = 0; round < 5; ++round) {
        std::u16string text;
        const int length = 1 + static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i) text += random() % 8 == 0 ? u"\n" : pool[random() % pool.size()];
        DocumentFixture saved;
        ASSERT_TRUE(saved.document.LoadText(text));
        ASSERT_TRUE(document_saving::Save(saved.document, file.Path().c_str(), encoding, style));
        DocumentFixture loaded;
        ASSERT_EQ(document_opening::LoadFile(loaded.document, file.Path().c_str(), encoding), kLoadedText)
            << encoding << ' ' << style;
        ASSERT_EQ(loaded.Text(), text) << encoding << ' ' << style << ' ' << round;
        if (text.find(u'\n') != std::u16string::npos) EXPECT_EQ(loaded.document.line_break_style, style);
      }
    }
  }
}
