// Choosing, locating and checking language modules.
#include "base/language/language_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
