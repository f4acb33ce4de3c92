#include "settings/dialogs/font_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string Text(const WideString& text) { return std::u16string(text.View()); }

TEST(FontFields, LabelsShowTheRanges) {
  struct Case {
    font_fields::Range range;
    std::u16string expected;
  } cases[] = {
      {font_fields::kSize, u"(8-72)"},
      {font_fields::kLineSpacing, u"(0-10)"},
      {font_fields::kTabWidth, u"(1-10)"},
  };
  for (const Case& c : cases) {
    WideString label;
    ASSERT_TRUE(font_fields::RangeLabel(c.range, label));
    EXPECT_EQ(Text(label), c.expected);
  }
}

TEST(FontFields, TheFaceNameKeepsWhatAFontCanHold) {
  const std::u16string thirty_one(31, u'a');
  struct Case {
    std::u16string chosen, expected;
  } cases[] = {
      {u"Courier New", u"Courier New"},
      {thirty_one, thirty_one},
      {thirty_one + u"bc", thirty_one},
      {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(font_fields::FaceName(c.chosen), c.expected);
}

TEST(FontFields, OnlyFixedPitchTrueTypeFacesAreOfferedEachOnce) {
  constexpr std::uint32_t kTrueType = 4, kRaster = 1;
  constexpr std::uint8_t kFixed = 0x31, kVariable = 0x22;
  struct Enumerated {
    std::u16string face;
    std::uint32_t type;
    std::uint8_t pitch;
    bool offered;
  } enumerated[] = {
      {u"Mono", kTrueType, kFixed, true},
      {u"Serif", kTrueType, kVariable, false},
      {u"Terminal", kRaster, kFixed, false},
      {u"@Mono Wide", kTrueType, kFixed, false},
      {u"Mono", kTrueType, kFixed, false},  // the same face in another character set
      {u"MONO", kTrueType, kFixed, false},
      {u"Code", kTrueType | 2, kFixed, true},
  };
  std::vector<WideString> faces;
  for (const Enumerated& e : enumerated)
    EXPECT_EQ(font_fields::Offer(faces, e.face, e.type, e.pitch), e.offered) << std::string(e.face.begin(), e.face.end());
  ASSERT_EQ(faces.size(), 2u);
  EXPECT_EQ(Text(faces[0]), u"Mono");
  EXPECT_EQ(Text(faces[1]), u"Code");
}

}  // namespace
