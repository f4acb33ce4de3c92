// The case and width mappings behind the selection conversions, on the
// ground the system's mapping and the native stand-in share.
#include "platform/text_mapping.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/wide_string.h"

namespace {

std::u16string Mapped(std::uint32_t mapping, const std::u16string& text) {
  WideString result;
  EXPECT_TRUE(text_mapping::Map(mapping, text.data(), static_cast<std::int32_t>(text.size()), result));
  return std::u16string(result.View());
}

}  // namespace

TEST(TextMapping, CaseOfAsciiLatinAndFullWidthLetters) {
  EXPECT_EQ(Mapped(text_mapping::kUppercase, u"abc xyz 09 \u00e9\u00ff \uff41"), u"ABC XYZ 09 \u00c9\u0178 \uff21");
  EXPECT_EQ(Mapped(text_mapping::kLowercase, u"ABC XYZ \u00c9\u0178 \uff21"), u"abc xyz \u00e9\u00ff \uff41");
}

TEST(TextMapping, WidthOfAsciiSpaceAndKatakana) {
  EXPECT_EQ(Mapped(text_mapping::kFullwidth, u"A~ 1"), u"\uff21\uff5e\u3000\uff11");
  EXPECT_EQ(Mapped(text_mapping::kHalfwidth, u"\uff21\uff5e\u3000\uff11"), u"A~ 1");
  // Voiced katakana split into a base and a mark and are composed again.
  EXPECT_EQ(Mapped(text_mapping::kHalfwidth, u"\u30ac\u30d1\u30c3"), u"\uff76\uff9e\uff8a\uff9f\uff6f");
  EXPECT_EQ(Mapped(text_mapping::kFullwidth, u"\uff76\uff9e\uff8a\uff9f\uff6f"), u"\u30ac\u30d1\u30c3");
}

TEST(TextMapping, HiraganaAndKatakana) {
  EXPECT_EQ(Mapped(text_mapping::kKatakana, u"\u3042\u304c\u3093x"), u"\u30a2\u30ac\u30f3x");
  EXPECT_EQ(Mapped(text_mapping::kHiragana, u"\u30a2\u30ac\u30f3x"), u"\u3042\u304c\u3093x");
}

TEST(TextMapping, NulUnitsAreMappedByLengthNotEndTheText) {
  const std::u16string text(u"a\0b", 3);
  EXPECT_EQ(Mapped(text_mapping::kUppercase, text), std::u16string(u"A\0B", 3));
}

TEST(TextMapping, FailuresEmptyTheResult) {
  WideString result;
  ASSERT_TRUE(result.Assign(u"old"));
  EXPECT_FALSE(text_mapping::Map(text_mapping::kUppercase, u"", 0, result));
  EXPECT_EQ(result.Length(), 0u);
  ASSERT_TRUE(result.Assign(u"old"));
  EXPECT_FALSE(text_mapping::Map(text_mapping::kHiragana | text_mapping::kKatakana, u"a", 1, result));
  EXPECT_EQ(result.Length(), 0u);
}
