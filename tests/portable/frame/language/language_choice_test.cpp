// Choosing, locating and checking language modules, and patching the font
// size of their dialog templates.
#include "frame/language/language_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/language/dialog_template.h"

namespace {

std::vector<std::u16string> CandidatesFor(std::u16string_view stored, std::uint16_t ui_language) {
  std::u16string_view out[language_choice::kMaxCandidates];
  const std::size_t n = language_choice::Candidates(stored, ui_language, out);
  return {out, out + n};
}

using Names = std::vector<std::u16string>;

TEST(LanguageChoice, StoredNameFirstThenEnglishThenJapaneseEachOnce) {
  EXPECT_EQ(CandidatesFor(u"German", 1033), (Names{u"German", u"English", u"Japanese"}));
  EXPECT_EQ(CandidatesFor(u"english", 1041), (Names{u"english", u"Japanese"}));
  EXPECT_EQ(CandidatesFor(u"JAPANESE", 1033), (Names{u"JAPANESE", u"English"}));
}

TEST(LanguageChoice, EmptyNameFollowsTheUserInterfaceLanguage) {
  EXPECT_EQ(CandidatesFor(u"", 1041), (Names{u"Japanese", u"English"}));
  EXPECT_EQ(CandidatesFor(u"", 1033), (Names{u"English", u"Japanese"}));
  EXPECT_EQ(CandidatesFor(u"", 0), (Names{u"English", u"Japanese"}));
}

TEST(LanguageChoice, NamesThatLeaveTheProgramFolderAreNeverTried) {
  for (std::u16string_view bad : {u"..\\evil", u"C:\\x\\mod", u"sub/mod", u"..", u"c:mod", u"a\nb"})
    EXPECT_EQ(CandidatesFor(bad, 1033), (Names{u"English", u"Japanese"})) << std::string(bad.begin(), bad.end());
}

TEST(LanguageChoice, ModulePathIsInTheProgramFolder) {
  WideString path;
  ASSERT_TRUE(language_choice::ModulePath(u"C:\\Tools", u"English", path));
  EXPECT_EQ(path.View(), u"C:\\Tools\\English.dll");
  ASSERT_TRUE(language_choice::ModulePath(u"D:\\", u"Deutsch.v2", path));
  EXPECT_EQ(path.View(), u"D:\\Deutsch.v2.dll");
}

TEST(LanguageChoice, SignatureNeedsAllEightBytes) {
  EXPECT_TRUE(language_choice::HasSignature("Vorndel\0", 8));
  EXPECT_TRUE(language_choice::HasSignature("Vorndel\0 and more", 17));
  EXPECT_FALSE(language_choice::HasSignature("Vorndel\0", 7));  // too short to compare
  EXPECT_FALSE(language_choice::HasSignature("Vorndel!", 8));
  EXPECT_FALSE(language_choice::HasSignature("vorndel\0", 8));
  EXPECT_FALSE(language_choice::HasSignature(nullptr, 8));
}

// Builds an extended template header with the given style, menu, class,
// title and font fields.
std::vector<std::uint8_t> Template(std::uint32_t style, std::u16string menu, std::u16string klass,
                                   std::u16string title, bool with_font = true) {
  std::vector<std::uint8_t> t;
  auto word = [&](std::uint16_t w) {
    t.push_back(w & 0xFF);
    t.push_back(w >> 8);
  };
  auto units = [&](const std::u16string& s) {
    for (char16_t c : s) word(c);
  };
  word(1);
  word(0xFFFF);
  word(0), word(0);                                // help id
  word(0), word(0);                                // extended style
  word(style & 0xFFFF), word(style >> 16);         // style
  word(2);                                         // items
  word(0), word(0), word(200), word(100);          // x y cx cy
  units(menu);
  units(klass);
  units(title);
  if (with_font) {
    word(8), word(400);                            // point size, weight
    t.push_back(0), t.push_back(1);                // italic, charset
    units(std::u16string(u"Tahoma\0", 7));
  }
  return t;
}

TEST(DialogTemplate, FindsAndPatchesTheFontAfterEveryFieldForm) {
  const std::u16string none(1, 0), ordinal{0xFFFF, 7};
  const std::u16string named(u"MENU\0", 5), title(u"Go to line\0", 11);
  for (const auto& menu : {none, ordinal, named}) {
    for (const auto& klass : {none, ordinal, named}) {
      auto t = Template(0x80C800C0, menu, klass, title);
      const std::size_t at = 26 + 2 * (menu.size() + klass.size() + title.size());
      EXPECT_EQ(dialog_template::FontSizeOffset(t.data(), t.size()), at);
      ASSERT_TRUE(dialog_template::SetPointSize(t.data(), t.size(), dialog_template::PointSizeFor(-14)));
      EXPECT_EQ(t[at], 11);
      EXPECT_EQ(t[at + 1], 0);
      EXPECT_EQ(t[at + 2], 400 & 0xFF);  // the weight is left alone
    }
  }
  EXPECT_EQ(dialog_template::PointSizeFor(-12), 9);
}

TEST(DialogTemplate, RejectsOtherTemplatesAndNeverReadsPastTheEnd) {
  const std::u16string none(1, 0), title(u"T\0", 2);
  auto no_font = Template(0x80C80000, none, none, title, false);
  EXPECT_EQ(dialog_template::FontSizeOffset(no_font.data(), no_font.size()), 0u);

  auto good = Template(0x40, none, none, title);
  auto old_style = good;
  old_style[2] = 0;  // no 0xFFFF signature: a plain DLGTEMPLATE
  EXPECT_EQ(dialog_template::FontSizeOffset(old_style.data(), old_style.size()), 0u);

  // Every truncation that cuts into the header or the font fields fails,
  // and writes nothing.
  const std::size_t font_at = dialog_template::FontSizeOffset(good.data(), good.size());
  ASSERT_NE(font_at, 0u);
  for (std::size_t size = 0; size < font_at + 6; ++size) {
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + size);
    EXPECT_EQ(dialog_template::FontSizeOffset(cut.data(), cut.size()), 0u) << size;
    EXPECT_FALSE(dialog_template::SetPointSize(cut.data(), cut.size(), 11));
  }
  // An unterminated title runs to the end of the block.
  auto open_title = Template(0x40, none, none, u"abc", false);
  EXPECT_EQ(dialog_template::FontSizeOffset(open_title.data(), open_title.size()), 0u);
  EXPECT_EQ(dialog_template::FontSizeOffset(nullptr, 100), 0u);
}

}  // namespace
