// Which characters each encoding loses: a table of texts over every
// encoding, and the whole Basic Multilingual Plane saved and read back in
// every encoding that loses some, line by line against the check.
#include "docs/character_loss.h"

#include <gtest/gtest.h>

#include <string>

#include "docs/document_opening.h"
#include "docs/document_saving.h"
#include "support/document_fixture.h"
#include "support/scratch_file.h"

namespace {

struct Expected {
  std::int64_t count;
  std::int32_t line;
  std::int32_t column;
};
constexpr Expected kNone = {0, -1, -1};

std::string Utf16LeBytes(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

CharacterLoss Check(const std::u16string& text, int encoding) {
  DocumentFixture f;
  EXPECT_TRUE(f.document.LoadText(text));
  const CharacterLoss by_lines = character_loss::Find(f.document.Store(), encoding);
  // The same text loaded from a file lies in one block, which the check
  // reads in stretches of lines.
  test_support::ScratchFile file("loss_check.txt", Utf16LeBytes(text));
  DocumentFixture loaded;
  if (document_opening::LoadFile(loaded.document, file.Path().c_str(), kUtf16Le) == kLoadedText &&
      loaded.Text() == text) {
    const CharacterLoss in_stretches = character_loss::Find(loaded.document.Store(), encoding);
    EXPECT_EQ(in_stretches.count, by_lines.count);
    EXPECT_EQ(in_stretches.line, by_lines.line);
    EXPECT_EQ(in_stretches.column, by_lines.column);
  }
  return by_lines;
}

}  // namespace

TEST(CharacterLoss, EachEncodingLosesWhatItCannotHold) {
  struct Row {
    const char16_t* text;
    // UTF-8, UTF-16 LE, UTF-16 BE, Shift_JIS, EUC-JP, ISO-2022-JP, single-byte
    Expected by_encoding[7];
  };
  const Row rows[] = {
      {u"<p>plain ASCII</p>\nabc", {kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
      {u"a\u20ACb", {kNone, kNone, kNone, {1, 0, 1}, {1, 0, 1}, {1, 0, 1}, {1, 0, 1}}},
      {u"caf\u00E9", {kNone, kNone, kNone, {1, 0, 3}, {1, 0, 3}, {1, 0, 3}, kNone}},
      {u"x\n\u65E5\u672C\U0001F600!", {kNone, kNone, kNone, {1, 1, 2}, {1, 1, 2}, {1, 1, 2}, {3, 1, 0}}},
      {u"\uFF71\uFF9F", {kNone, kNone, kNone, kNone, kNone, kNone, {2, 0, 0}}},
      {u"12345678901234567\uE000", {kNone, kNone, kNone, kNone, {1, 0, 17}, {1, 0, 17}, {1, 0, 17}}},
      {u"a\xD800"
       u"b\n\xDC00",
       {{2, 0, 1}, kNone, kNone, {2, 0, 1}, {2, 0, 1}, {2, 0, 1}, {2, 0, 1}}},
      {u"ab\n\n\u00E9\u20AC\u20AC", {kNone, kNone, kNone, {3, 2, 0}, {3, 2, 0}, {3, 2, 0}, {2, 2, 1}}},
  };
  for (const Row& row : rows) {
    for (int encoding = kUtf8; encoding <= kSingleByte; ++encoding) {
      SCOPED_TRACE(testing::Message() << "row " << (&row - rows) << ", encoding " << encoding);
      const CharacterLoss loss = Check(row.text, encoding);
      const Expected& expected = row.by_encoding[encoding];
      EXPECT_EQ(loss.count, expected.count);
      EXPECT_EQ(loss.line, expected.line);
      EXPECT_EQ(loss.column, expected.column);
    }
  }
  // An encoding the save refuses loses nothing here.
  EXPECT_EQ(Check(u"\u20AC", kAutoDetect).count, 0);

  // A long text is read in two halves: the earlier half's first loss comes
  // first, and the counts add up.
  for (const int earlier_line : {-1, 10}) {
    std::u16string text;
    for (int line = 0; line < 70000; ++line) text += line == earlier_line || line == 50000 ? u"x\u20AC\n" : u"x\n";
    const CharacterLoss loss = Check(text, kShiftJis);
    EXPECT_EQ(loss.count, earlier_line < 0 ? 1 : 2);
    EXPECT_EQ(loss.line, earlier_line < 0 ? 50000 : earlier_line);
    EXPECT_EQ(loss.column, 1);
  }
}

// The check says what the writer does: every BMP character, one a line,
// saved and read back; a line that comes back changed is exactly a line
// the check finds a loss on.
TEST(CharacterLoss, TheCheckAgreesWithTheWriterOnEveryCharacter) {
  std::u16string text;
  for (char32_t unit = 0x80; unit < 0x10000; ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;
    if (unit == 0x85 || unit == 0x2028 || unit == 0x2029) continue;  // line separators to some readers
    text += static_cast<char16_t>(unit);
    text += u'\n';
  }
  test_support::ScratchFile file("every_character.txt", "");
  for (int encoding : {kShiftJis, kEucJp, kIso2022Jp, kSingleByte}) {
    SCOPED_TRACE(encoding);
    DocumentFixture saved;
    ASSERT_TRUE(saved.document.LoadText(text));
    ASSERT_TRUE(document_saving::Save(saved.document, file.Path().c_str(), encoding, kLf));
    DocumentFixture loaded;
    ASSERT_EQ(document_opening::LoadFile(loaded.document, file.Path().c_str(), encoding), kLoadedText);
    const std::u16string back = loaded.Text();
    std::size_t at_saved = 0, at_back = 0;
    int disagreements = 0;
    while (at_saved < text.size()) {
      const std::size_t end_saved = text.find(u'\n', at_saved);
      std::size_t end_back = back.find(u'\n', at_back);
      if (end_back == std::u16string::npos) end_back = back.size();
      const std::u16string_view original(text.data() + at_saved, end_saved - at_saved);
      const std::u16string_view read(back.data() + at_back, end_back - at_back);
      const bool changed = original != read;
      const bool lost = character_loss::FindInUnits(original.data(), 1, encoding).count == 1;
      if (changed != lost && ++disagreements <= 5)
        ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(original[0]) << (lost ? " lost" : " kept")
                      << " by the check, " << (changed ? "changed" : "kept") << " by the file";
      at_saved = end_saved + 1;
      at_back = end_back + 1;
    }
    EXPECT_EQ(disagreements, 0);
  }
}
