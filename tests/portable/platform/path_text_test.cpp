#include "platform/path_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace path_text;

TEST(PathText, SameNameFoldsOnlyAsciiLetters) {
  EXPECT_TRUE(SameName(u"C:\\Web\\INDEX.Html", u"c:\\web\\index.html"));
  EXPECT_FALSE(SameName(u"index.html", u"index.htm"));
  EXPECT_FALSE(SameName(u"\u00C9t\u00E9", u"\u00E9t\u00E9"));  // É vs é differ
  EXPECT_FALSE(SameName(u"a[", u"A{"));  // '[' is 'A'+26, not a letter
  EXPECT_TRUE(SameName(u"", u""));
}

TEST(PathText, ExtensionIsFromTheLastDotOfTheLastComponent) {
  EXPECT_EQ(ExtensionOf(u"C:\\site\\file.html.bak"), u".bak");
  EXPECT_EQ(ExtensionOf(u"C:\\site.d\\README"), u"");
  EXPECT_EQ(ExtensionOf(u"page."), u".");
  EXPECT_EQ(ExtensionOf(u"C:\\x\\.htaccess"), u".htaccess");
  EXPECT_EQ(ExtensionOf(u""), u"");
}

TEST(PathText, FileAndBaseNamesDropTheFolder) {
  EXPECT_EQ(FileName(u"C:\\site\\index.html"), u"index.html");
  EXPECT_EQ(FileName(u"index.html"), u"index.html");
  EXPECT_EQ(BaseName(u"C:\\a.b\\prog.exe"), u"prog");
  EXPECT_EQ(BaseName(u"English.dll"), u"English");
  EXPECT_EQ(BaseName(u"C:\\tools\\make"), u"make");
  EXPECT_EQ(BaseName(u"C:\\x\\.htaccess"), u"");
}

TEST(PathText, ColourTextIsRedGreenBlueLowerCase) {
  const auto text = [](std::uint32_t colour) {
    const std::array<char16_t, 7> units = ColourText(colour);
    return std::u16string(units.data(), units.size());
  };
  EXPECT_EQ(text(0x00FF8000), u"#0080ff");
  EXPECT_EQ(text(0x000000AB), u"#ab0000");
  EXPECT_EQ(text(0xFF123456), u"#563412");  // the top byte is not a colour
}
