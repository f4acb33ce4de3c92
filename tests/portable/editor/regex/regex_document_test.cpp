// Finding and replacing a regular expression in a document: what is
// selected, how replacements with groups and line breaks land, the undo
// steps they leave, and a search that gives up.
#include <gtest/gtest.h>

#include <string>

#include "support/document_fixture.h"

namespace {

RegexPattern Compiled(const char16_t* text) {
  RegexPattern pattern;
  std::u16string error;
  EXPECT_TRUE(pattern.Compile(text, true, error));
  return pattern;
}

void ExpectSelected(Document& document, std::int32_t line, std::int32_t start, std::int32_t end) {
  ASSERT_TRUE(document.Selection().exists);
  EXPECT_EQ(document.Selection().start.line, line);
  EXPECT_EQ(document.Selection().start.column, start);
  EXPECT_EQ(document.Selection().end.column, end);
}

TEST(RegexDocument, FindNextAndPreviousStepOverTheSelectedMatchAndWrap) {
  DocumentFixture f;
  f.document.LoadText(u"x a12 b a7\nb");
  const RegexPattern pattern = Compiled(u"a[0-9]+");
  ASSERT_EQ(f.document.FindRegex(pattern, true, false), RegexStatus::kFound);
  ExpectSelected(f.document, 0, 2, 5);
  ASSERT_EQ(f.document.FindRegex(pattern, true, false), RegexStatus::kFound);
  ExpectSelected(f.document, 0, 8, 10);
  ASSERT_EQ(f.document.FindRegex(pattern, true, false), RegexStatus::kFound);  // round the end
  ExpectSelected(f.document, 0, 2, 5);
  ASSERT_EQ(f.document.FindRegex(pattern, false, false), RegexStatus::kFound);  // round the start
  ExpectSelected(f.document, 0, 8, 10);
  EXPECT_EQ(f.document.FindRegex(Compiled(u"^$"), true, false), RegexStatus::kNotFound);
}

TEST(RegexDocument, ReplaceTakesTheSelectedMatchWithItsGroupsAndALineBreak) {
  DocumentFixture f;
  f.document.LoadText(u"k=v; a=b");
  const RegexPattern pattern = Compiled(u"(\\w)=(\\w)");
  ASSERT_EQ(f.document.FindRegex(pattern, true, false), RegexStatus::kFound);
  std::int32_t count = 0;
  EXPECT_EQ(f.document.ReplaceRegex(pattern, u"$2:$1\\n", false, count), RegexStatus::kFound);
  EXPECT_EQ(f.Text(), u"v:k\n; a=b");
  ExpectSelected(f.document, 1, 2, 5);
  ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"k=v; a=b");
}

TEST(RegexDocument, ReplaceAllTakesEveryMatchOnceEmptyOnesIncludedOneUndoStepEach) {
  DocumentFixture f;
  f.document.LoadText(u"x a12 b a7\nab\n");
  std::int32_t count = 0;
  EXPECT_EQ(f.document.ReplaceRegex(Compiled(u"a[0-9]+"), u"<b>$&</b>", true, count), RegexStatus::kFound);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(f.Text(), u"x <b>a12</b> b <b>a7</b>\nab\n");
  EXPECT_EQ(f.document.ReplaceRegex(Compiled(u"^"), u"> ", true, count), RegexStatus::kFound);
  EXPECT_EQ(f.Text(), u"> x <b>a12</b> b <b>a7</b>\n> ab\n> ");
  EXPECT_EQ(f.document.ReplaceRegex(Compiled(u"b"), u"\\n", true, count), RegexStatus::kFound);
  EXPECT_EQ(count, 6);
  EXPECT_EQ(f.Text(), u"> x <\n>a12</\n> \n <\n>a7</\n>\n> a\n\n> ");
  for (int step = 0; step < 6; ++step) ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"> x <b>a12</b> b <b>a7</b>\n> ab\n> ");
}

TEST(RegexDocument, TooComplexSearchStopsAndReplacesNothingMore) {
  DocumentFixture f;
  f.document.LoadText(u"aab\n" + std::u16string(40, u'a'));
  std::int32_t count = 0;
  EXPECT_EQ(f.document.FindRegex(Compiled(u"(a+)+c"), true, false), RegexStatus::kTooComplex);
  EXPECT_EQ(f.document.ReplaceRegex(Compiled(u"(a+)+[bc]"), u"-", true, count), RegexStatus::kTooComplex);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(f.Text(), u"-\n" + std::u16string(40, u'a'));
}

}  // namespace
