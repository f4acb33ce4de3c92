#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

std::u16string Convert(unsigned code_page, std::string_view bytes) {
  char16_t out[64];
  std::int32_t count =
      code_page::ToUtf16(code_page, bytes.data(), static_cast<std::int32_t>(bytes.size()), out, 64);
  return std::u16string(out, static_cast<std::size_t>(count));
}

}  // namespace

TEST(CodePage, BothCodePagesAreAvailable) {
  EXPECT_TRUE(code_page::IsAvailable(code_page::kUtf8));
  EXPECT_TRUE(code_page::IsAvailable(code_page::kShiftJis));
  EXPECT_EQ(code_page::DefaultCharacter(code_page::kShiftJis), u'\u30FB');
}

TEST(CodePage, ShiftJisConversion) {
  EXPECT_EQ(Convert(932, "a\\~\x82\xA0\x93\xFA\xB1\x81\x40"), u"a\\~\u3042\u65E5\uFF71\u3000");
  // Single bytes outside the table and the user-defined area.
  EXPECT_EQ(Convert(932, "\x80\xA0\xFD\xFE\xFF\xF0\x40"), u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3\uE000");
  // Unmapped pairs, invalid trail bytes and lone lead bytes.
  EXPECT_EQ(Convert(932, "\xEF\x40\x81\x20" "A\x81"), u"\u30FB\u30FB" u"A\u30FB");
  EXPECT_EQ(Convert(932, std::string_view("\x81\0A", 3)), std::u16string(u"\u30FB\0A", 3));
}

// Every single byte and every byte pair with a high first byte, folded into
// one FNV-1a hash; the value is that of the Windows conversion, so the
// native stand-in has to agree with it everywhere.
TEST(CodePage, ShiftJisAgreesWithTheSystemOnAllPairs) {
  std::uint32_t hash = 2166136261u;
  auto fold = [&hash](std::uint32_t value) { hash = (hash ^ value) * 16777619u; };
  for (unsigned first = 0; first < 256; ++first) {
    for (unsigned second = first < 0x80 ? 256 : 0; second <= 256; ++second) {
      const char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
      char16_t out[4];
      std::int32_t count = code_page::ToUtf16(932, bytes, second == 256 ? 1 : 2, out, 4);
      fold(static_cast<std::uint32_t>(count));
      for (std::int32_t i = 0; i < count; ++i) fold(out[i]);
    }
  }
  EXPECT_EQ(hash, 994167321u);
}

TEST(CodePage, Utf8ReplacementRules) {
  EXPECT_EQ(Convert(65001, "\xE3\x81\x82\xF0\x9F\x98\x80\xEF\xBF\xBF"), u"\u3042\U0001F600\uFFFF");
  EXPECT_EQ(Convert(65001, "\xC0\x80\xE3\x41\x81"), u"\uFFFD\uFFFD\uFFFD" u"A\uFFFD");
  EXPECT_EQ(Convert(65001, "\xED\xA0\x80\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Convert(65001, "\xE0\x9F\xBF\xF5\xFE"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Convert(65001, "x\xF0\x9F\x98"), u"x\uFFFD");  // cut off by the end
}

TEST(CodePage, ResultThatDoesNotFitIsRefused) {
  char16_t out[2];
  EXPECT_EQ(code_page::ToUtf16(65001, "abc", 3, out, 2), 0);
  EXPECT_EQ(code_page::ToUtf16(65001, "ab", 2, out, 2), 2);
}

// ASCII runs of every length around characters, converted into a buffer
// exactly as long as the result: nothing is written past it, and one unit
// less refuses the conversion.
TEST(CodePage, AsciiRunsFillExactlySizedBuffers) {
  for (unsigned code_page : {code_page::kUtf8, code_page::kShiftJis}) {
    const std::string character = code_page == code_page::kUtf8 ? "\xE6\x97\xA5" : "\x93\xFA";  // U+65E5
    for (int before = 0; before <= 40; ++before) {
      for (int after = 0; after <= 40; after += 7) {
        std::string bytes;
        std::u16string expected;
        for (int i = 0; i < before; ++i) bytes += static_cast<char>('a' + i % 26), expected += static_cast<char16_t>('a' + i % 26);
        bytes += character;
        expected += u'\u65E5';
        for (int i = 0; i < after; ++i) bytes += static_cast<char>('0' + i % 10), expected += static_cast<char16_t>('0' + i % 10);
        std::vector<char16_t> out(expected.size());
        const auto size = static_cast<std::int32_t>(bytes.size());
        const auto capacity = static_cast<std::int32_t>(out.size());
        ASSERT_EQ(code_page::ToUtf16(code_page, bytes.data(), size, out.data(), capacity), capacity) << before;
        EXPECT_EQ(std::u16string(out.begin(), out.end()), expected) << before << ' ' << after;
        std::vector<char16_t> short_out(expected.size() - 1);
        EXPECT_EQ(code_page::ToUtf16(code_page, bytes.data(), size, short_out.data(), capacity - 1), 0);
      }
    }
  }
}

std::string Encode(unsigned code_page, std::u16string_view units) {
  char out[64];
  const std::int32_t count =
      code_page::FromUtf16(code_page, units.data(), static_cast<std::int32_t>(units.size()), out, sizeof out);
  return count > 0 ? std::string(out, static_cast<std::size_t>(count)) : std::string();
}

TEST(CodePage, ConversionFromUtf16) {
  EXPECT_EQ(Encode(65001, u"a\u00E9\U0001F600"), "a\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_EQ(Encode(65001, std::u16string{u'x', char16_t{0xDC00}, u'y'}), "x\xEF\xBF\xBDy");
  EXPECT_EQ(Encode(932, u"a\u65E5\uFF71\u3000\u30FB"), "a\x93\xFA\xB1\x81\x40\x81\x45");
  // IBM's own rows rather than NEC's selection of them, and the lower of
  // two codes for one character.
  EXPECT_EQ(Encode(932, u"\u2170\u7E8A\u2252\uFFE2"), "\xFA\x40\xFA\x5C\x81\xE0\x81\xCA");
  // The size asked for, and a buffer one byte short.
  EXPECT_EQ(code_page::FromUtf16(65001, u"\u65E5\u672C", 2, nullptr, 0), 6);
  char out[5];
  EXPECT_EQ(code_page::FromUtf16(65001, u"\u65E5\u672C", 2, out, 5), -1);
  EXPECT_EQ(code_page::FromUtf16(932, u"\u65E5\u672C", 2, out, 3), -1);
  EXPECT_EQ(code_page::FromUtf16(932, u"\u65E5\u672C", 2, out, 4), 4);
}

// Every character code page 932 holds (those that come back from their own
// bytes) converted one at a time and folded into one FNV-1a hash; the value
// is that of the Windows conversion, so the stand-in agrees with it on the
// whole repertoire.
TEST(CodePage, ShiftJisEncodingAgreesWithTheSystem) {
  std::uint32_t hash = 2166136261u;
  auto fold = [&hash](std::uint32_t value) { hash = (hash ^ value) * 16777619u; };
  int characters = 0;
  for (std::uint32_t code = 1; code < 0x10000; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    const char16_t unit = static_cast<char16_t>(code);
    char bytes[8];
    const std::int32_t count = code_page::FromUtf16(932, &unit, 1, bytes, sizeof bytes);
    char16_t back[4];
    if (count <= 0 || code_page::ToUtf16(932, bytes, count, back, 4) != 1 || back[0] != unit) continue;
    ++characters;
    fold(code);
    for (std::int32_t i = 0; i < count; ++i) fold(static_cast<std::uint8_t>(bytes[i]));
  }
  EXPECT_GT(characters, 7000);
  EXPECT_EQ(hash, 2681177485u) << characters;
}

TEST(CodePage, NextCharacterStaysInsideTheData) {
  const char text[] = "\x81\x41\x82\x0A\x83";
  const char* end = text + 5;
  EXPECT_EQ(code_page::NextCharacter(932, text, end), text + 2);
  EXPECT_EQ(code_page::NextCharacter(932, text + 2, end), text + 4);  // CharNextExA pairs any non-NUL byte
  EXPECT_EQ(code_page::NextCharacter(932, text + 4, end), end);
  const char nul_trail[] = {'\x81', '\0', 'x'};
  EXPECT_EQ(code_page::NextCharacter(932, nul_trail, nul_trail + 3), nul_trail + 1);
  const char ascii[] = "ab";
  EXPECT_EQ(code_page::NextCharacter(932, ascii, ascii + 2), ascii + 1);
}
