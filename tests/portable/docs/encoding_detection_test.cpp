#include "docs/encoding_detection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

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

// Validity walked one character at a time, as the rule reads: each lead
// byte announces its continuation bytes (up to the old six-byte limit), and a
// sequence cut off by the end is valid.
bool Utf8ByCharacters(std::string_view bytes) {
  std::size_t i = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<std::uint8_t>(bytes[i++]);
    int trail = lead < 0x80 ? 0 : lead <= 0xC1 ? -1 : lead <= 0xDF ? 1 : lead <= 0xEF ? 2 : lead <= 0xF7 ? 3
              : lead <= 0xFB ? 4 : lead <= 0xFD ? 5 : -1;
    if (trail < 0) return false;
    for (; trail > 0 && i < bytes.size(); --trail, ++i) {
      if ((static_cast<std::uint8_t>(bytes[i]) & 0xC0) != 0x80) return false;
    }
  }
  return true;
}

// The Shift_JIS score walked one character at a time: kana alone, a lead
// byte with a trail from 0x40 to 0xFC other than 0x7F, nothing else above
// 0x7F.
std::int64_t ShiftJisByCharacters(std::string_view bytes) {
  std::int64_t score = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(bytes[i]);
    if (byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF)) continue;
    if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD || i + 1 == bytes.size()) return 0;
    const auto trail = static_cast<std::uint8_t>(bytes[++i]);
    if (trail < 0x40 || trail > 0xFC || trail == 0x7F) return 0;
    score += 2;
  }
  return score;
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

// The block-wise check agrees with the character walk on texts built from
// valid characters of every length with faults planted anywhere, so that
// sequences straddle block boundaries and the end of the data.
TEST(EncodingDetection, Utf8ValidityAgreesWithTheCharacterWalk) {
  const std::string_view pieces[] = {"a",  "text ", "\xC3\xA9", "\xE3\x81\x82", "\xF0\x9F\x98\x80",
                                     "\xF8\x88\x80\x80\x80", "\xFC\x84\x80\x80\x80\x80", "\r\n"};
  const char faults[] = {'\x80', '\xBF', '\xC0', '\xC1', '\xC2', '\xE3', '\xF4', '\xFD', '\xFE', '\xFF', 'A'};
  std::mt19937 random(7);
  int valid = 0, invalid = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string text = round % 3 == 0 ? "\xEF\xBB\xBF" : "";
    const int length = static_cast<int>(random() % 200);
    while (static_cast<int>(text.size()) < length) text += pieces[random() % std::size(pieces)];
    if (round % 4 != 0 && !text.empty()) {
      text[random() % text.size()] = faults[random() % std::size(faults)];
    }
    if (round % 5 == 0) text.resize(random() % (text.size() + 1));  // cut anywhere, mid-character too
    const bool expected = Utf8ByCharacters(text);
    ASSERT_EQ(Utf8(text), expected) << round;
    (expected ? valid : invalid)++;
  }
  // Both answers must have been met often enough to mean something.
  EXPECT_GT(valid, 4000);
  EXPECT_GT(invalid, 4000);
}

// The run-wise Shift_JIS walk agrees with the character walk, faults and
// cuts placed anywhere, trail bytes in the ASCII range included.
TEST(EncodingDetection, ShiftJisScoreAgreesWithTheCharacterWalk) {
  const std::string_view pieces[] = {"ab", "<p>", "\x93\xFA", "\x96\x7B", "\xB1", "\x81\x40", "\xFC\xFC", "\r\n"};
  const char faults[] = {'\x80', '\xA0', '\xFD', '\xFF', '\x7F', '\x3F', '\x81', '\xDF'};
  std::mt19937 random(11);
  int scored = 0, refused = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 120);
    while (static_cast<int>(text.size()) < length) text += pieces[random() % std::size(pieces)];
    if (round % 3 != 0 && !text.empty()) text[random() % text.size()] = faults[random() % std::size(faults)];
    if (round % 5 == 0) text.resize(random() % (text.size() + 1));
    const std::int64_t expected = ShiftJisByCharacters(text);
    ASSERT_EQ(ShiftJis(text), expected) << round;
    (expected > 0 ? scored : refused)++;
  }
  EXPECT_GT(scored, 4000);
  EXPECT_GT(refused, 4000);
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

// A file of a megabyte or more is scanned in two parts side by side, cut
// just after the first line feed from the middle on; wherever the telling
// bytes lie, the verdict is the whole file's.
TEST(EncodingDetection, LargeFilesScannedInPartsDecideAsAWhole) {
  struct Patch {
    std::size_t at;  // from the start; kCut: ending just before the cut's line feed
    std::string_view bytes;
  };
  struct Case {
    const char* name;
    std::vector<Patch> patches;
    int expected;
  };
  constexpr std::size_t kSize = 2 << 20;
  constexpr std::size_t kCut = kSize / 2 + 15;  // the line feed of the line starting at the middle
  const Case cases[] = {
      {"Shift_JIS only in the tail, the head plain ASCII", {{kSize - 100, "\x93\xFA\x96\x7B"}}, kShiftJis},
      {"Shift_JIS only in the head", {{100, "\x93\xFA\x96\x7B"}}, kShiftJis},
      {"UTF-8 in both parts", {{100, "\xE3\x81\x82"}, {kSize - 100, "\xE3\x81\x84"}}, kUtf8},
      {"UTF-8 in the head, a byte only Latin-1 has in the tail", {{100, "\xE3\x81\x82"}, {kSize - 100, "\xE9 "}}, -1},
      {"A Shift_JIS lead byte just before the cut's line feed", {{100, "\x93\xFA"}, {kCut - 1, "\x93"}}, -1},
      {"A UTF-8 character ending just before the cut's line feed", {{kCut - 3, "\xE3\x81\x82"}}, kUtf8},
      {"EUC-JP only in the tail", {{kSize - 100, "\xC6\xFC\xCB\xDC"}}, kEucJp},
  };
  std::string page;
  while (page.size() < kSize) page += "<p>ascii texts\r\n";
  ASSERT_EQ(page.size(), kSize);
  ASSERT_EQ(page[kCut], '\n');
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = page;
    for (const Patch& patch : c.patches) bytes.replace(patch.at, patch.bytes.size(), patch.bytes);
    EXPECT_EQ(Detect(bytes), c.expected);
  }
}
