// Encoding a document's text for a file: prefixes, every encoding's bytes,
// line-break styles, the escapes of ISO-2022-JP, replacements, bytes that
// keep the rules of EUC-JP and ISO-2022-JP whatever the text, and lines
// whose gap splits a character.
#include "docs/text_file_writer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "docs/store_text_writing.h"
#include "support/document_fixture.h"
#include "support/fixed_width_layout.h"
#include "support/japanese_byte_rules.h"
#include "support/store_text.h"

namespace {

class MemorySink final : public ByteSink {
 public:
  // Refuses a write that would go past limit bytes.
  explicit MemorySink(std::size_t limit = SIZE_MAX) : limit_(limit) {}
  bool Write(const void* bytes, std::size_t count) override {
    if (bytes_.size() + count > limit_) return false;
    bytes_.append(static_cast<const char*>(bytes), count);
    return true;
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::size_t limit_;
  std::string bytes_;
};

std::string Saved(TextStore& store, int encoding, int line_breaks) {
  MemorySink sink;
  TextFileWriter writer(encoding, line_breaks, sink);
  EXPECT_TRUE(writer.WritePrefix() && WriteStoreText(store, writer));
  return sink.Bytes();
}

std::string Saved(const std::u16string& text, int encoding, int line_breaks = kCrLf) {
  DocumentFixture f;
  EXPECT_TRUE(f.document.LoadText(text));
  return Saved(f.document.Store(), encoding, line_breaks);
}

}  // namespace

TEST(TextFileWriter, LineBreakStylesAndPrefixes) {
  EXPECT_EQ(Saved(u"a\nb\n", kUtf8, kLf), "a\nb\n");
  EXPECT_EQ(Saved(u"a\nb\n", kUtf8, kCr), "a\rb\r");
  EXPECT_EQ(Saved(u"a\nb\n", kUtf16Le, kCrLf), std::string("\xFF\xFE" "a\0\r\0\n\0b\0\r\0\n\0", 14));
  EXPECT_EQ(Saved(u"a\u3042", kUtf16Be), std::string("\xFE\xFF\0a\x30\x42", 6));
  // No line break after the last line unless the text ends with one.
  EXPECT_EQ(Saved(u"a\nb", kUtf8, kCrLf), "a\r\nb");
  EXPECT_EQ(Saved(u"", kUtf8), "");
  EXPECT_EQ(Saved(u"", kUtf16Le), "\xFF\xFE");
  // UTF-8 gets no byte-order mark.
  EXPECT_EQ(Saved(u"\u00E9", kUtf8), "\xC3\xA9");
}

TEST(TextFileWriter, JapaneseEncodings) {
  EXPECT_EQ(Saved(u"a\u65E5\uFF71", kShiftJis), "a\x93\xFA\xB1");
  EXPECT_EQ(Saved(u"a\u65E5\uFF71", kEucJp), "a\xC6\xFC\x8E\xB1");
  EXPECT_EQ(Saved(u"abc", kIso2022Jp), "\x1B(Babc");
  EXPECT_EQ(Saved(u"\u65E5a", kIso2022Jp), "\x1B(B\x1B$BF|\x1B(Ba");
  EXPECT_EQ(Saved(u"\uFF71\uFF72", kIso2022Jp), "\x1B(B\x1B(I12\x1B(B");
  // Every line ends in ASCII, so a line break never needs an escape.
  EXPECT_EQ(Saved(u"\u65E5\n\u65E5", kIso2022Jp, kLf), "\x1B(B\x1B$BF|\x1B(B\n\x1B$BF|\x1B(B");
  // A byte with no EUC-JP or ISO-2022-JP form becomes "?" and leaves the
  // next character alone.
  EXPECT_EQ(Saved(u"\u0080a", kEucJp), "?a");
  EXPECT_EQ(Saved(u"\u0080a", kIso2022Jp), "\x1B(B?a");
}

// Code page 932 puts the user-defined area U+E000..U+E757 at F040..F9FC,
// which JIS X 0208 has no rows for: each character is one "?", as in
// Shift_JIS it stays itself.
TEST(TextFileWriter, UserDefinedAreaIsAQuestionMarkInTheJisEncodings) {
  std::u16string area;
  for (char16_t unit = 0xE000; unit <= 0xE757; ++unit) area.push_back(unit);
  const std::string marks(area.size(), '?');
  EXPECT_EQ(Saved(area, kEucJp), marks);
  EXPECT_EQ(Saved(area, kIso2022Jp), "\x1B(B" + marks);
  EXPECT_EQ(Saved(u"\uE000\uE757", kShiftJis), "\xF0\x40\xF9\xFC");
  // Not a line break (61 0A A1 62) nor a NUL, and the kanji around it keep
  // their escapes.
  EXPECT_EQ(Saved(u"a\uE40Ab\uE05E", kEucJp), "a?b?");
  EXPECT_EQ(Saved(u"\u65E5\uE40A\u65E5", kIso2022Jp), "\x1B(B\x1B$BF|\x1B(B?\x1B$BF|\x1B(B");
}

// Random text of every kind of unit (ESC aside, which ISO-2022-JP would
// read as an escape): the bytes keep the encoding's rules and hold the
// text's own NULs, line feeds and carriage returns, no more.
TEST(TextFileWriter, JisEncodingsWriteOnlyLegalBytesForAnyText) {
  struct Range {
    char16_t first, last;
  };
  static constexpr Range kRanges[] = {{0x0000, 0x007F}, {0x0080, 0x00FF}, {0x3000, 0x30FF}, {0x4E00, 0x9FFF},
                                      {0xD800, 0xDFFF}, {0xE000, 0xE800}, {0xF8F0, 0xF8F3}, {0xFF00, 0xFFEF},
                                      {0x0000, 0xFFFF}};
  std::mt19937 random(20261219);
  for (int round = 0; round < 3000; ++round) {
    std::u16string text(1 + random() % 40, u'a');
    for (char16_t& unit : text) {
      const Range range = kRanges[random() % std::size(kRanges)];
      unit = static_cast<char16_t>(range.first + random() % (range.last - range.first + 1));
      if (unit == 0x1B) unit = u'e';
    }
    for (const int encoding : {kEucJp, kIso2022Jp}) {
      MemorySink sink;
      TextFileWriter writer(encoding, kLf, sink);
      ASSERT_TRUE(writer.WriteRun(text.data(), static_cast<std::int32_t>(text.size())));
      const std::string& bytes = sink.Bytes();
      const std::int64_t fault = encoding == kEucJp ? japanese_byte_rules::EucJpFault(bytes)
                                                    : japanese_byte_rules::Iso2022JpFault(bytes);
      ASSERT_EQ(fault, -1) << "encoding " << encoding << ", round " << round;
      ASSERT_EQ(japanese_byte_rules::BreakingUnits<char>(bytes),
                japanese_byte_rules::BreakingUnits<char16_t>(text))
          << "encoding " << encoding << ", round " << round;
    }
  }
}

TEST(TextFileWriter, SingleByteAndReplacements) {
  EXPECT_EQ(Saved(u"\u00E9\u20AC\u00FF", kSingleByte), "\xE9?\xFF");
  EXPECT_EQ(Saved(std::u16string(u"a\0b", 3), kSingleByte), std::string("a\0b", 3));
  // A character code page 932 lacks is replaced, not a failure.
  EXPECT_EQ(Saved(u"\U0001F600", kUtf8), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Saved(std::u16string(1, char16_t{0xD83D}), kUtf8), "\xEF\xBF\xBD");
}

// A line whose gap lies between the halves of a surrogate pair, or inside a
// run of kanji, is written as if the gap were not there.
TEST(TextFileWriter, GapInsideALineDoesNotShowInTheBytes) {
  // A layout that leaves each line's gap where the last edit made it.
  FixedWidthLayout layout;
  TextStore store(layout, 0);
  FillStore(store, u"a\U0001F600x\nx\u65E5\u672C");
  auto gap_at = [&store](std::int32_t index, std::int32_t column) {
    LineRecord* line = store.Line(index);
    ASSERT_TRUE(store.InsertUnits(*line, u"y", 1, column));
    ASSERT_EQ(store.DeleteUnits(*line, column, 1), u'y');
    ASSERT_EQ(line->Runs().first_count, column);
    ASSERT_GT(line->Runs().second_count, 0);
  };
  gap_at(0, 2);  // between the halves of the pair
  gap_at(1, 2);  // between the two kanji
  EXPECT_EQ(Saved(store, kUtf8, kLf), "a\xF0\x9F\x98\x80x\nx\xE6\x97\xA5\xE6\x9C\xAC");
  EXPECT_EQ(Saved(store, kUtf16Be, kLf).substr(2, 8), std::string("\0a\xD8\x3D\xDE\x00\0x", 8));
  // Each line's kanji in one escape, however the gap lies.
  EXPECT_TRUE(Saved(store, kIso2022Jp, kLf).ends_with("\nx\x1B$BF|K\\\x1B(B"));
}

// Runs longer than the first conversion buffer, and a sink that gives up
// part-way: the failure reaches the caller.
TEST(TextFileWriter, LongRunsAndShortWrites) {
  std::u16string long_line(3000, u'\u65E5');
  const std::string bytes = Saved(long_line + u"\nend", kUtf8, kLf);
  ASSERT_EQ(bytes.size(), 3 * 3000 + 4);
  EXPECT_EQ(bytes.substr(0, 3), "\xE6\x97\xA5");
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "\nend");

  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(long_line + u"\nend"));
  for (int encoding = kUtf8; encoding <= kSingleByte; ++encoding) {
    MemorySink sink(100);
    TextFileWriter writer(encoding, kCrLf, sink);
    EXPECT_TRUE(writer.WritePrefix());
    EXPECT_FALSE(WriteStoreText(f.document.Store(), writer)) << encoding;
    EXPECT_LE(sink.Bytes().size(), 100u);
  }
}

TEST(TextFileWriter, UnknownEncodingOrStyleIsRefused) {
  MemorySink sink;
  for (auto [encoding, style] : {std::pair{7, 0}, std::pair{-1, 0}, std::pair{0, 3}}) {
    TextFileWriter writer(encoding, style, sink);
    EXPECT_FALSE(writer.Valid());
    EXPECT_FALSE(writer.WritePrefix());
    EXPECT_FALSE(writer.WriteRun(u"a", 1));
    EXPECT_FALSE(writer.WriteLineBreak());
  }
  EXPECT_EQ(sink.Bytes(), "");
}
