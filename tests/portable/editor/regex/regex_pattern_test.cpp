// The regular-expression engine over one line: what each pattern finds,
// with which case rule and which empty matches, and where it gives up.
#include <gtest/gtest.h>

#include <string>

#include "editor/regex/regex_pattern.h"

namespace {

struct SearchCase {
  const char16_t* pattern;
  bool case_sensitive;
  const char16_t* line;
  std::int32_t from;
  EmptyMatches empties;
  std::int32_t start;  // -1: no match
  std::int32_t end;
  std::int32_t group1_start = -1;
};

TEST(RegexPattern, SearchesOneLineByTheTable) {
  const SearchCase cases[] = {
      {u"a[0-9]+", true, u"x a12 b a7", 0, EmptyMatches::kNone, 2, 5},
      {u"a[0-9]+", true, u"x a12 b a7", 3, EmptyMatches::kNone, 8, 10},
      {u"^b", true, u"ab b", 1, EmptyMatches::kNone, -1, -1},  // from is no line start
      {u"^a", true, u"ab", 0, EmptyMatches::kNone, 0, 1},
      {u"b$", true, u"bab", 0, EmptyMatches::kNone, 2, 3},
      {u"\\bb", true, u"ab b", 1, EmptyMatches::kNone, 3, 4},  // the unit before from is context
      {u"ABC", false, u"xabc", 0, EmptyMatches::kNone, 1, 4},
      {u"ABC", true, u"xabc", 0, EmptyMatches::kNone, -1, -1},
      {u"\uFF21", false, u"\uFF41", 0, EmptyMatches::kNone, -1, -1},  // only ASCII letters fold
      {u"(\\w+)@", true, u"\u65E5\u672C@x", 0, EmptyMatches::kNone, 0, 3, 0},
      {u"x*", true, u"ab", 0, EmptyMatches::kAny, 0, 0},
      {u"x*", true, u"ab", 0, EmptyMatches::kNone, -1, -1},
      {u"x*", true, u"ab", 0, EmptyMatches::kNotAtFrom, 1, 1},
      {u"a|(b)", true, u"b", 0, EmptyMatches::kNone, 0, 1, 0},
      {u"(?<=<)p", true, u"<p>", 1, EmptyMatches::kNone, 1, 2},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(std::string(c.pattern, c.pattern + std::char_traits<char16_t>::length(c.pattern)));
    RegexPattern pattern;
    std::u16string error;
    ASSERT_TRUE(pattern.Compile(c.pattern, c.case_sensitive, error));
    const std::u16string line = c.line;
    RegexMatch match;
    const RegexStatus status =
        pattern.Search(line.data(), static_cast<std::int32_t>(line.size()), c.from, c.empties, match);
    if (c.start < 0) {
      EXPECT_EQ(status, RegexStatus::kNotFound);
      continue;
    }
    ASSERT_EQ(status, RegexStatus::kFound);
    EXPECT_EQ(match.Start(), c.start);
    EXPECT_EQ(match.End(), c.end);
    EXPECT_EQ(match.start[1], c.group1_start);
    EXPECT_EQ(match.start[2], -1);
  }
}

TEST(RegexPattern, InvalidPatternGivesTheEnginesReasonAndKeepsThePreviousOne) {
  RegexPattern pattern;
  std::u16string error;
  ASSERT_TRUE(pattern.Compile(u"a", true, error));
  EXPECT_FALSE(pattern.Compile(u"(ab", true, error));
  EXPECT_NE(error.find(u"parenthesis"), std::u16string::npos);
  EXPECT_NE(error.find(u"(column 4)"), std::u16string::npos);
  RegexMatch match;
  EXPECT_EQ(pattern.Search(u"xa", 2, 0, EmptyMatches::kNone, match), RegexStatus::kFound);
}

TEST(RegexPattern, CatastrophicBacktrackingStopsAtTheBudget) {
  RegexPattern pattern;
  std::u16string error;
  ASSERT_TRUE(pattern.Compile(u"(a+)+b", true, error));
  const std::u16string line(40, u'a');
  RegexMatch match;
  EXPECT_EQ(pattern.Search(line.data(), 40, 0, EmptyMatches::kNone, match), RegexStatus::kTooComplex);
}

TEST(RegexPattern, LineOfAMillionUnitsIsSearchedToItsEnd) {
  std::u16string line(1'000'000, u'a');
  line += u"<b>";
  RegexPattern pattern;
  std::u16string error;
  ASSERT_TRUE(pattern.Compile(u"a*<(\\w)>", true, error));
  RegexMatch match;
  ASSERT_EQ(pattern.Search(line.data(), static_cast<std::int32_t>(line.size()), 0, EmptyMatches::kNone, match),
            RegexStatus::kFound);
  EXPECT_EQ(match.Start(), 0);
  EXPECT_EQ(match.start[1], 1'000'001);
  ASSERT_TRUE(pattern.Compile(u"(a+)+c", true, error));
  EXPECT_EQ(pattern.Search(line.data(), static_cast<std::int32_t>(line.size()), 0, EmptyMatches::kNone, match),
            RegexStatus::kTooComplex);
}

TEST(RegexPattern, SelectionIsAMatchOnlyAsAWhole) {
  RegexPattern pattern;
  std::u16string error;
  ASSERT_TRUE(pattern.Compile(u"a[0-9]+", true, error));
  const std::u16string line = u"x a12 b";
  RegexMatch match;
  EXPECT_EQ(pattern.MatchesExactly(line.data(), 7, 2, 5, match), RegexStatus::kFound);
  EXPECT_EQ(pattern.MatchesExactly(line.data(), 7, 2, 4, match), RegexStatus::kNotFound);
  EXPECT_EQ(pattern.MatchesExactly(line.data(), 7, 1, 5, match), RegexStatus::kNotFound);
}

}  // namespace
