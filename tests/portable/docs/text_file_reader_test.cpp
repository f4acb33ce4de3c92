#include "docs/text_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/code_page.h"
#include "support/decoded_lines.h"

using test_support::DecodeAll;
using Lines = std::vector<std::u16string>;

namespace {

std::string Repeat(std::string_view piece, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += piece;
  return result;
}

std::u16string Repeat(std::u16string_view piece, int times) {
  std::u16string result;
  for (int i = 0; i < times; ++i) result += piece;
  return result;
}

TextFileReader ReadAll(const std::string& bytes, EncodingId encoding, test_support::LineCollector& collector) {
  TextFileReader reader(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()),
                        encoding);
  EXPECT_TRUE(DecodeLines(reader, collector));
  return reader;
}

LineBreakStyle StyleOf(const std::string& bytes) {
  test_support::LineCollector collector;
  return ReadAll(bytes, kSingleByte, collector).LineBreaks();
}

}  // namespace

TEST(TextFileReader, LineBreaksEndLinesAndAreCounted) {
  test_support::LineCollector collector;
  TextFileReader reader = ReadAll("a\r\nb\nc\rd\n\re", kSingleByte, collector);
  EXPECT_EQ(collector.lines, (Lines{u"a\n", u"b\n", u"c\n", u"d\n", u"\n", u"e"}));
  EXPECT_EQ(reader.CrCount(), 3);
  EXPECT_EQ(reader.LfCount(), 3);
  EXPECT_EQ(DecodeAll("x\r\n", kSingleByte), (Lines{u"x\n", u""}));
  EXPECT_EQ(DecodeAll("x", kSingleByte), (Lines{u"x"}));
  EXPECT_EQ(DecodeAll("", kUtf8), (Lines{u""}));
}

TEST(TextFileReader, LineBreakStyleFromCounts) {
  EXPECT_EQ(StyleOf(Repeat("a\r\n", 300) + Repeat("b\n", 100)), kCrLf);
  EXPECT_EQ(StyleOf(Repeat("a\r\n", 100) + Repeat("b\n", 300)), kLf);
  EXPECT_EQ(StyleOf(Repeat("a\r", 201) + Repeat("b\n", 100)), kCr);
  EXPECT_EQ(StyleOf(Repeat("a\r", 200) + Repeat("b\n", 100)), kCrLf);
  EXPECT_EQ(StyleOf("no break at all"), kCrLf);
}

TEST(TextFileReader, SingleByteMapsEachByteToItsOwnUnit) {
  EXPECT_EQ(DecodeAll("caf\xE9\x80\xFF", kSingleByte), (Lines{u"caf\u00E9\u0080\u00FF"}));
  test_support::LineCollector collector;
  ReadAll(Repeat("x", 2500), kSingleByte, collector);
  EXPECT_EQ(collector.lines, (Lines{Repeat(u"x", 2500)}));
  EXPECT_EQ(collector.chunk_sizes, (std::vector<std::int32_t>{1024, 1024, 452}));
}

TEST(TextFileReader, Utf8MarkIsSkippedOnlyInFilesLongerThanTwoBytes) {
  EXPECT_EQ(DecodeAll("\xEF\xBB\xBF" "abc", kUtf8), (Lines{u"abc"}));
  EXPECT_EQ(DecodeAll("\xEF\xBB\xBF", kUtf8), (Lines{u""}));
  EXPECT_EQ(DecodeAll("\xEF\xBB", kUtf8), (Lines{u"\uFFFD"}));
  EXPECT_EQ(DecodeAll("a\xEF\xBB\xBF", kUtf8), (Lines{u"a\uFEFF"}));
  EXPECT_EQ(DecodeAll("\xEF\xBB\xBF" "a", kSingleByte), (Lines{u"\u00EF\u00BB\u00BF" u"a"}));
}

TEST(TextFileReader, Utf8LongLinesAndMalformedBytes) {
  test_support::LineCollector collector;
  // One ASCII byte first so that a character straddles the window end.
  ReadAll("a" + Repeat("\xE3\x81\x82", 400) + "\r\nz", kUtf8, collector);
  EXPECT_EQ(collector.lines, (Lines{u"a" + Repeat(u"\u3042", 400) + u"\n", u"z"}));
  EXPECT_GE(collector.chunk_sizes.size(), 3u);
  for (std::int32_t size : collector.chunk_sizes) EXPECT_LE(size, TextFileReader::kChunkUnits);
  EXPECT_EQ(DecodeAll("\xF0\x9F\x98\x80!", kUtf8), (Lines{u"\U0001F600!"}));
  // A cut-off character never swallows the line break after it.
  EXPECT_EQ(DecodeAll("a\xE3\x81\nb\xC3\r\nc", kUtf8), (Lines{u"a\uFFFD\n", u"b\uFFFD\n", u"c"}));
  EXPECT_EQ(DecodeAll("\xC0\xAF\xE9x\xF8", kUtf8), (Lines{u"\uFFFD\uFFFD\uFFFDx\uFFFD"}));
}

// The reader decodes well-formed UTF-8 itself and leaves the rest to the
// system: at every edge of the well-formed ranges, and with ASCII around,
// a line reads as the system's converter reads the same bytes.
TEST(TextFileReader, Utf8ReadsAsTheSystemConverts) {
  const char* const cases[] = {"\xC2\x80", "\xDF\xBF", "\xC1\xBF", "\xE0\xA0\x80", "\xE0\x9F\xBF",
                               "\xED\x9F\xBF", "\xED\xA0\x80", "\xEF\xBF\xBF", "\xF0\x90\x80\x80",
                               "\xF0\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF", "\xF4\x90\x80\x80",
                               "\xF5\x80\x80\x80", "\xE3\x81", "\x80\xE3\x81\x82", "\xE3\x81\x82\xC3",
                               "abcdefghijklmnopq\xE6\x97\xA5\xF0\x9F\x98\x80rstuvwxyz0123456789"};
  for (const std::string bytes : cases) {
    for (const std::string& line : {bytes, "a" + bytes + "z"}) {
      std::u16string expected(line.size(), u'\0');
      expected.resize(static_cast<std::size_t>(code_page::ToUtf16(code_page::kUtf8, line.data(),
                                                                  static_cast<std::int32_t>(line.size()),
                                                                  expected.data(), static_cast<std::int32_t>(line.size()))));
      EXPECT_EQ(DecodeAll(line, kUtf8), (Lines{expected})) << line;
    }
  }
}

TEST(TextFileReader, Utf16BothByteOrders) {
  using namespace std::string_literals;
  EXPECT_EQ(DecodeAll("\xFF\xFE" "A\0\x42\x30\r\0\n\0B\0"s, kUtf16Le), (Lines{u"A\u3042\n", u"B"}));
  EXPECT_EQ(DecodeAll("\xFE\xFF\0A\x30\x42\0\r\0\n\0B"s, kUtf16Be), (Lines{u"A\u3042\n", u"B"}));
  // Lone CR, LF CR, and swapped units that only look like line breaks.
  EXPECT_EQ(DecodeAll("\0\r\0a\0\n\0\r\x0D\x00\x0A\x00"s, kUtf16Be), (Lines{u"\n", u"a\n", u"\n", u"\u0D00\u0A00"}));
  // An odd last byte is ignored; a mark is skipped only at the start.
  EXPECT_EQ(DecodeAll("\xFF\xFE" "a\0b"s, kUtf16Le), (Lines{u"a"}));
  EXPECT_EQ(DecodeAll("a\0\xFF\xFE"s, kUtf16Le), (Lines{u"a\uFEFF"}));
  EXPECT_EQ(DecodeAll("\xFE\xFF"s, kUtf16Le), (Lines{u"\uFFFE"}));
  test_support::LineCollector collector;
  ReadAll(Repeat("x\0"s, 1500), kUtf16Le, collector);
  EXPECT_EQ(collector.lines, (Lines{Repeat(u"x", 1500)}));
  EXPECT_EQ(collector.chunk_sizes, (std::vector<std::int32_t>{1024, 476}));
}

TEST(TextFileReader, ShiftJisLineAcrossChunksKeepsCharactersWhole) {
  // 600 bytes of double-byte characters after one ASCII byte: the window
  // ends in the middle of a character, which is taken whole.
  test_support::LineCollector collector;
  ReadAll("a" + Repeat("\x82\xA0", 300) + "\nb", kShiftJis, collector);
  EXPECT_EQ(collector.lines, (Lines{u"a" + Repeat(u"\u3042", 300) + u"\n", u"b"}));
  EXPECT_EQ(collector.chunk_sizes, (std::vector<std::int32_t>{257, 44, 1}));
  EXPECT_EQ(DecodeAll("\\~\xB1\x93\xFA\x96\x7B", kShiftJis), (Lines{u"\\~\uFF71\u65E5\u672C"}));
  EXPECT_EQ(DecodeAll("\xF0\x40\xEF\x40", kShiftJis), (Lines{u"\uE000\u30FB"}));
  // A lead byte before a line break, or at the end, stands alone.
  EXPECT_EQ(DecodeAll("\x82\r\n\x82", kShiftJis), (Lines{u"\u30FB\n", u"\u30FB"}));
}

TEST(TextFileReader, EucJpCharacters) {
  EXPECT_EQ(DecodeAll("\xA4\xA2\xC6\xFC\xCB\xDC!", kEucJp), (Lines{u"\u3042\u65E5\u672C!"}));
  EXPECT_EQ(DecodeAll("\x8E\xB1\x8E\xDF", kEucJp), (Lines{u"\uFF71\uFF9F"}));
  // A lead byte at the very end is dropped.
  EXPECT_EQ(DecodeAll("ab\xA4", kEucJp), (Lines{u"ab"}));
  EXPECT_EQ(DecodeAll("\xA4\nx", kEucJp), (Lines{u"\u30FB\n", u"x"}));
  test_support::LineCollector collector;
  ReadAll("a" + Repeat("\xA4\xA2", 300), kEucJp, collector);
  EXPECT_EQ(collector.lines, (Lines{u"a" + Repeat(u"\u3042", 300)}));
  EXPECT_EQ(collector.chunk_sizes, (std::vector<std::int32_t>{257, 44}));
}

TEST(TextFileReader, EucJpThreeByteCharacterIsOneReplacement) {
  // JIS X 0212 (0x8F and two bytes) is consumed whole so the rest of the
  // line stays intact.
  EXPECT_EQ(DecodeAll("\x8F\xB0\xA1\xA4\xA2x", kEucJp), (Lines{u"\u30FB\u3042x"}));
  // Otherwise 0x8F gives its next byte without the top bit.
  EXPECT_EQ(DecodeAll("\x8F\xC1z", kEucJp), (Lines{u"Az"}));
  EXPECT_EQ(DecodeAll("\x8F\xB0", kEucJp), (Lines{u"0"}));
  // ... but never a line break inside a line.
  EXPECT_EQ(DecodeAll("\x8F\x8A\x8F\x8Dq", kEucJp), (Lines{u"\u30FB\u30FBq"}));
}

TEST(TextFileReader, Iso2022JpDesignationsAndShifts) {
  EXPECT_EQ(DecodeAll("Hi \x1B$B$3$s$K$A$O\x1B(B!", kIso2022Jp), (Lines{u"Hi \u3053\u3093\u306B\u3061\u306F!"}));
  EXPECT_EQ(DecodeAll("\x1B$@F|\x1B(J~", kIso2022Jp), (Lines{u"\u65E5~"}));
  EXPECT_EQ(DecodeAll("\x1B(I1\x1B(Ba", kIso2022Jp), (Lines{u"\uFF71a"}));
  EXPECT_EQ(DecodeAll("a\x0E" "12\x0F" "b\xB1", kIso2022Jp), (Lines{u"a\uFF71\uFF72b\uFF71"}));
  // SI returns to the designated set, not to ASCII.
  EXPECT_EQ(DecodeAll("\x1B$B\x0E" "1\x0F$\"", kIso2022Jp), (Lines{u"\uFF71\u3042"}));
  // Unknown designations are skipped whole; an escape near the end alone.
  EXPECT_EQ(DecodeAll("a\x1B(Zb\x1B$", kIso2022Jp), (Lines{u"ab$"}));
  // The state carries over line breaks; half a character at the end is dropped.
  EXPECT_EQ(DecodeAll("\x1B$B$3\r\n$s$", kIso2022Jp), (Lines{u"\u3053\n", u"\u3093"}));
  EXPECT_EQ(DecodeAll("\x1B$B$\n$\"", kIso2022Jp), (Lines{u"\u30FB\n", u"\u3042"}));
}

TEST(TextFileReader, DecodingStopsWhenTheSinkRefuses) {
  class RefusingSink : public test_support::LineCollector {
   public:
    bool EndLine() override { return ++line_ends < 2 && LineCollector::EndLine(); }
    int line_ends = 0;
  } sink;
  const std::string bytes = "one\ntwo\nthree\nfour";
  TextFileReader reader(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()),
                        kSingleByte);
  EXPECT_FALSE(DecodeLines(reader, sink));
  EXPECT_EQ(sink.line_ends, 2);
  EXPECT_EQ(sink.lines, (Lines{u"one\n", u"two"}));
}
