// Which names a search in files takes by the user's masks text.
#include <gtest/gtest.h>

#include <string>

#include "tools/find_in_files/file_masks.h"

namespace {

TEST(FileMasks, TheTextTakesTheNamesItsMasksMatch) {
  struct Case {
    const char* what;
    std::u16string masks;
    std::u16string name;
    bool taken;
  };
  const std::u16string long_name(5000, u'a');
  const Case cases[] = {
      {"the default list takes a page", u"*.html;*.htm;*.css;*.js;*.php;*.txt", u"index.html", true},
      {"and leaves an image", u"*.html;*.htm;*.css;*.js;*.php;*.txt", u"logo.png", false},
      {"a mask is matched whole, not as a prefix", u"*.htm", u"index.html", false},
      {"ASCII letters without case", u"*.HTML", u"Index.html", true},
      {"other letters with their case", u"\u00c4*", u"\u00e4.txt", false},
      {"? takes exactly one unit", u"page?.txt", u"page10.txt", false},
      {"? with its one unit", u"page?.txt", u"page1.txt", true},
      {"a star may take nothing", u"a*b", u"ab", true},
      {"a star tried again further on", u"*ab*ab", u"xabyabab", true},
      {"blanks and commas separate as well", u"  *.css ,*.js  ", u"site.js", true},
      {"empty masks between separators are no masks", u";;", u"anything", true},
      {"no text takes every file", u"", u"readme", true},
      {"many stars against a long name stay quick", u"*a*a*a*a*a*a*a*a*b", long_name, false},
  };
  for (const Case& c : cases) EXPECT_EQ(FileMasks(c.masks).Matches(c.name), c.taken) << c.what;

  std::u16string many;
  for (int k = 0; k < 100; ++k) many += u"*.x" + std::u16string(1, static_cast<char16_t>(u'a' + k % 26)) + u";";
  EXPECT_EQ(FileMasks(many).Masks().size(), FileMasks::kMostMasks);
}

}  // namespace
