// Finding a literal pattern in a document: where the search starts from a
// selection, going round the end of the text, line feeds in patterns, the
// case rule, and selecting the match with or without scrolling.
#include <gtest/gtest.h>

#include <string>

#include "support/document_fixture.h"

namespace {

// "line:column-line:column" of the selection, caret last; "none" without.
std::string Selected(Document& document) {
  const SelectionState& state = document.Selection();
  if (!state.exists) return "none";
  return std::to_string(state.anchor.line) + ":" + std::to_string(state.anchor.column) + "-" +
         std::to_string(state.caret.line) + ":" + std::to_string(state.caret.column);
}

bool Find(DocumentFixture& f, const std::u16string& pattern, bool forward = true, bool direct = false) {
  return f.document.Find(pattern.data(), static_cast<std::int32_t>(pattern.size()), forward, direct);
}

TEST(DocumentSearch, FindNextStepsOverTheSelectedMatchButSearchesInsideAnyOtherSelection) {
  DocumentFixture f;
  f.document.LoadText(u"foo bar foo foo");
  ASSERT_TRUE(Find(f, u"foo"));
  EXPECT_EQ(Selected(f.document), "0:0-0:3");
  ASSERT_TRUE(Find(f, u"foo"));
  EXPECT_EQ(Selected(f.document), "0:8-0:11");
  // The selection no longer equals the pattern: the match inside it first.
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 7), editor.At(0, 11));
  ASSERT_TRUE(Find(f, u"foo"));
  EXPECT_EQ(Selected(f.document), "0:8-0:11");
  // Backward likewise starts at the far end of a selection that is no match.
  editor.Select(editor.At(0, 4), editor.At(0, 15));
  ASSERT_TRUE(Find(f, u"foo", false));
  EXPECT_EQ(Selected(f.document), "0:12-0:15");
  ASSERT_TRUE(Find(f, u"foo", false));
  EXPECT_EQ(Selected(f.document), "0:8-0:11");
}

TEST(DocumentSearch, SearchGoesRoundTheEndOfTheTextBothWays) {
  DocumentFixture f;
  f.document.LoadText(u"x foo\nbar\nbaz");
  f.document.Editor().CaretTo(f.document.Editor().At(2, 1));
  ASSERT_TRUE(Find(f, u"foo"));
  EXPECT_EQ(Selected(f.document), "0:2-0:5");
  EXPECT_EQ(f.document.Selection().caret.x, 5 * DocumentFixture::kUnit);

  f.document.Editor().CaretTo(f.document.Editor().At(0, 0));
  ASSERT_TRUE(Find(f, u"ba", false));
  EXPECT_EQ(Selected(f.document), "2:0-2:2");
  ASSERT_TRUE(Find(f, u"ba", false));
  EXPECT_EQ(Selected(f.document), "1:0-1:2");

  // The start line is searched again from its other end: a single match
  // behind the caret on the caret's own line is found.
  f.document.LoadText(u"abc abc");
  f.document.Editor().CaretTo(f.document.Editor().At(0, 5));
  ASSERT_TRUE(Find(f, u"bc abc"));
  EXPECT_EQ(Selected(f.document), "0:1-0:7");
  f.document.Editor().CaretTo(f.document.Editor().At(0, 2));
  ASSERT_TRUE(Find(f, u"bc a", false));
  EXPECT_EQ(Selected(f.document), "0:1-0:5");
}

TEST(DocumentSearch, NothingFoundLeavesTheSelectionCleared) {
  DocumentFixture f;
  f.document.LoadText(u"alpha\nbeta");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 1), editor.At(1, 2));
  EXPECT_FALSE(Find(f, u"gamma"));
  EXPECT_EQ(Selected(f.document), "none");
  EXPECT_EQ(f.document.Selection().caret.line, 1);
  EXPECT_EQ(f.document.Selection().caret.column, 2);
}

TEST(DocumentSearch, EmptyPatternChangesNothing) {
  DocumentFixture f;
  f.document.LoadText(u"alpha");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 1), editor.At(0, 3));
  EXPECT_FALSE(Find(f, u""));
  EXPECT_FALSE(f.document.Find(nullptr, 3, true, false));
  EXPECT_EQ(Selected(f.document), "0:1-0:3");
}

TEST(DocumentSearch, LineFeedMatchesOnlyAtTheEndOfALineThatHasOne) {
  DocumentFixture f;
  f.document.LoadText(u"ab\nab\nab");
  ASSERT_TRUE(Find(f, u"b\n"));
  EXPECT_EQ(Selected(f.document), "0:1-1:0");
  EXPECT_TRUE(f.document.SelectionEqualsPattern(u"b\n"));
  ASSERT_TRUE(Find(f, u"b\n"));
  EXPECT_EQ(Selected(f.document), "1:1-2:0");
  ASSERT_TRUE(Find(f, u"b\n"));  // the last line has none: round to line 0
  EXPECT_EQ(Selected(f.document), "0:1-1:0");
  ASSERT_TRUE(Find(f, u"b\n", false));
  EXPECT_EQ(Selected(f.document), "1:1-2:0");
  EXPECT_FALSE(Find(f, u"b\na"));  // a line feed in the middle never matches
}

TEST(DocumentSearch, CaseRuleFollowsTheSharedFlagAndFoldsOnlyAsciiLetters) {
  DocumentFixture f;
  f.document.LoadText(u"Total TOTAL \uFF21\uFF22");
  ASSERT_FALSE(f.set.Metrics().CaseSensitiveSearch());
  ASSERT_TRUE(Find(f, u"TOTAL"));
  EXPECT_EQ(Selected(f.document), "0:0-0:5");
  ASSERT_TRUE(Find(f, u"total"));
  EXPECT_EQ(Selected(f.document), "0:6-0:11");
  EXPECT_FALSE(Find(f, u"\uFF41\uFF42"));
  EXPECT_TRUE(Find(f, u"\uFF21\uFF22"));

  f.set.Metrics().SetCaseSensitiveSearch(true);
  f.document.Editor().CaretTo(f.document.Editor().At(0, 0));
  ASSERT_TRUE(Find(f, u"TOTAL"));
  EXPECT_EQ(Selected(f.document), "0:6-0:11");
  EXPECT_FALSE(Find(f, u"total"));
}

TEST(DocumentSearch, SelectionEqualsPatternComparesTheSelectedTextWithoutCrLf) {
  DocumentFixture f;
  f.document.LoadText(u"Ab\ncd");
  DocumentEditor& editor = f.document.Editor();
  EXPECT_FALSE(f.document.SelectionEqualsPattern(u""));  // nothing selected
  editor.Select(editor.At(0, 0), editor.At(1, 1));
  EXPECT_TRUE(f.document.SelectionEqualsPattern(u"ab\nc"));
  EXPECT_FALSE(f.document.SelectionEqualsPattern(u"ab\r\nc"));
  EXPECT_FALSE(f.document.SelectionEqualsPattern(u"ab\n"));
  EXPECT_FALSE(f.document.SelectionEqualsPattern(u"ab\ncd"));
  EXPECT_FALSE(f.document.SelectionEqualsPattern(nullptr));
  f.set.Metrics().SetCaseSensitiveSearch(true);
  EXPECT_FALSE(f.document.SelectionEqualsPattern(u"ab\nc"));
  EXPECT_TRUE(f.document.SelectionEqualsPattern(u"Ab\nc"));
}

TEST(DocumentSearch, PatternWithNulsIsMatchedWholeAndStepsOnward) {
  DocumentFixture f;
  const std::u16string pattern(u"a\0b", 3);
  f.document.LoadText(std::u16string(u"a\0b a\0c a\0b", 11));
  ASSERT_TRUE(Find(f, pattern));
  EXPECT_EQ(Selected(f.document), "0:0-0:3");
  // The selection equals the whole pattern, not just up to its NUL.
  ASSERT_TRUE(Find(f, pattern));
  EXPECT_EQ(Selected(f.document), "0:8-0:11");
}

TEST(DocumentSearch, DirectSelectSetsTheSelectionWithoutScrollingOrRepainting) {
  DocumentFixture f;
  f.document.LoadText(DocumentFixture::Lines(100));
  f.window.Reset();
  ASSERT_TRUE(Find(f, u"line 80", true, true));
  EXPECT_EQ(Selected(f.document), "80:0-80:7");
  EXPECT_EQ(f.document.Editor().RememberedX(), 7 * DocumentFixture::kUnit);
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 0);
  EXPECT_TRUE(f.window.invalidated.empty());
  EXPECT_TRUE(f.window.scrolls.empty());

  f.document.Editor().CaretTo(f.document.Editor().At(0, 0));
  ASSERT_TRUE(Find(f, u"line 80"));
  EXPECT_EQ(Selected(f.document), "80:0-80:7");
  // Brought to the middle of the view.
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 80 - DocumentFixture::kRows / 2);
  EXPECT_FALSE(f.window.invalidated.empty());
}

}  // namespace
