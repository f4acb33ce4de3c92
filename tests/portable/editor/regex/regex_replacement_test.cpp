// The replacement text of a match: groups, escapes and what stays as typed.
#include <gtest/gtest.h>

#include <string>

#include "editor/regex/regex_replacement.h"

TEST(RegexReplacement, ExpandsByTheTable) {
  // "<a12>" matched by <(a)([0-9]+)>: $& is the whole, $1 "a", $2 "12".
  const std::u16string line = u"x <a12>";
  RegexMatch match;
  std::fill(std::begin(match.start), std::end(match.start), -1);
  std::fill(std::begin(match.end), std::end(match.end), -1);
  match.start[0] = 2, match.end[0] = 7;
  match.start[1] = 3, match.end[1] = 4;
  match.start[2] = 4, match.end[2] = 6;
  const struct {
    const char16_t* replacement;
    const char16_t* expected;
  } cases[] = {
      {u"<b>$&</b>", u"<b><a12></b>"}, {u"$2$1", u"12a"},   {u"[$3]", u"[]"},       {u"$$1", u"$1"},
      {u"a\\tb\\nc", u"a\tb\nc"},        {u"\\\\n", u"\\n"}, {u"$0 $x \\q", u"$0 $x \\q"}, {u"$", u"$"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(regex_replacement::Expand(c.replacement, line.data(), match), c.expected);
}
