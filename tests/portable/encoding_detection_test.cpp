#include "docs/encoding_detection.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

int Detect(std::string_view bytes, bool shift_jis_available = true) {
  return encoding_detection::ChooseEncoding(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            static_cast<std::uint32_t>(bytes.size()), kAutoDetect,
                                            shift_jis_available);
}

std::int64_t ShiftJis(std::string_view bytes) {
  return encoding_detection::ShiftJisScore(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           static_cast<std::uint32_t>(bytes.size()));
}

std::int64_t EucJp(std::string_view bytes) {
  return encoding_detection::EucJpScore(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                        static_cast<std::uint32_t>(bytes.size()));
}

bool Utf8(std::string_view bytes) {
  return encoding_detection::IsValidUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         static_cast<std::uint32_t>(bytes.size()));
}

}  // namespace

TEST(EncodingDetection, TinyFilesAndByteOrderMarks) {
  EXPECT_EQ(Detect(""), kSingleByte);
  EXPECT_EQ(Detect("\xE9"), kSingleByte);
  EXPECT_EQ(Detect("\xFF\xFE"), kUtf16Le);
  EXPECT_EQ(Detect("\xFE\xFF\x00\x41"), kUtf16Be);
  EXPECT_EQ(Detect("\xEF\xBB\xBF" "abc \xC3\xA9"), kUtf8);
  EXPECT_EQ(Detect("plain ASCII\r\n"), kSingleByte);
}

TEST(EncodingDetection, TheLastByteIsNotScanned) {
  EXPECT_EQ(Detect("abc\xE9"), kSingleByte);
  EXPECT_EQ(Detect("abc\x1B"), kSingleByte);
  EXPECT_EQ(Detect("abc\x1B$"), kIso2022Jp);
}

TEST(EncodingDetection, EscapeDesignationsMeanIso2022Jp) {
  EXPECT_EQ(Detect("Hello \x1B$B$3$s\x1B(B world"), kIso2022Jp);
  EXPECT_EQ(Detect("a\x1B(Jb"), kIso2022Jp);
  EXPECT_EQ(Detect("a\x1B$B", false), kSingleByte);
  EXPECT_EQ(Detect("a\x1B" "Ab"), kSingleByte);
  // The first finding decides: a high byte before the escape wins.
  EXPECT_EQ(Detect("\xC3\xA9\x1B$B"), kUtf8);
}

TEST(EncodingDetection, Utf8Validity) {
  EXPECT_TRUE(Utf8("\xE3\x81\x82\xF0\x9F\x98\x80"));
  EXPECT_TRUE(Utf8("abc\xE3\x81"));  // cut off by the end
  EXPECT_TRUE(Utf8("\xF8\x88\x80\x80\x80\xFC\x84\x80\x80\x80\x80"));
  EXPECT_FALSE(Utf8("\xC0\x80"));
  EXPECT_FALSE(Utf8("\xC1\xBF"));
  EXPECT_FALSE(Utf8("\xE3\x41\x81"));
  EXPECT_FALSE(Utf8("\xFE"));
  EXPECT_FALSE(Utf8("\x80"));
  EXPECT_TRUE(Utf8("\xEF\xBB\xBF"));
  EXPECT_FALSE(Utf8("\xEF\xBB\xBF\xBF"));  // the mark is skipped once only
}

TEST(EncodingDetection, ShiftJisAndEucJpScores) {
  // "日本" in Shift_JIS (93FA 967B) and EUC-JP (C6FC CBDC).
  EXPECT_EQ(ShiftJis("a\x93\xFA\x96\x7B"), 4);
  EXPECT_EQ(ShiftJis("\xB1\xB2"), 0);  // half-width katakana counts nothing
  EXPECT_EQ(ShiftJis("\x93\xFA\x80"), 0);
  EXPECT_EQ(ShiftJis("\x93\xFA\x93\x7F"), 0);
  EXPECT_EQ(ShiftJis("\x93\xFA\x93"), 0);
  EXPECT_EQ(EucJp("\xC6\xFC\xCB\xDC"), 4);
  EXPECT_EQ(EucJp("\x8E\xB1"), 2);
  EXPECT_EQ(EucJp("\x8F\xB0\xA1"), 3);
  EXPECT_EQ(EucJp("\x8F\xB0"), 0);
  EXPECT_EQ(EucJp("\xC6\xFC\x41\x80"), 0);
  EXPECT_EQ(Detect("\x93\xFA\x96\x7B\x8C\xEA text"), kShiftJis);
  EXPECT_EQ(Detect("\xC6\xFC\xCB\xDC\xB8\xEC text"), kEucJp);
  EXPECT_EQ(Detect("\xC6\xFC\xCB\xDC text", false), -1);
}

TEST(EncodingDetection, LatinOneTieFails) {
  EXPECT_EQ(Detect("caf \xE9 au lait"), -1);
  EXPECT_EQ(Detect("\xE3\x81\x82 then \xE9 "), -1);
}

TEST(EncodingDetection, ExplicitChoiceIsTakenAsItIs) {
  const std::uint8_t bytes[] = {0xE9, 0x20, 0xE9, 0x20};
  for (int choice = kUtf8; choice <= kSingleByte; ++choice) {
    EXPECT_EQ(encoding_detection::ChooseEncoding(bytes, sizeof bytes, choice), choice);
  }
  EXPECT_EQ(encoding_detection::ChooseEncoding(bytes, sizeof bytes, 8), -1);
}
