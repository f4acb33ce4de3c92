// Replacing the selected match, and replacing every occurrence: where it
// stops, where the caret ends up, and the undo steps it leaves.
#include <gtest/gtest.h>

#include <string>

#include "support/document_fixture.h"

namespace {

std::int32_t Replace(DocumentFixture& f, const std::u16string& pattern, const std::u16string& replacement, bool all) {
  return f.document.Replace(pattern.data(), static_cast<std::int32_t>(pattern.size()), replacement.data(),
                            static_cast<std::int32_t>(replacement.size()), all);
}

void ExpectCaret(Document& document, std::int32_t line, std::int32_t column) {
  EXPECT_FALSE(document.Selection().exists);
  EXPECT_EQ(document.Selection().caret.line, line);
  EXPECT_EQ(document.Selection().caret.column, column);
  EXPECT_EQ(document.Selection().caret.x, column * DocumentFixture::kUnit);
}

TEST(DocumentReplace, SelectedMatchIsReplacedAsOneUndoStepAndTheNextSelected) {
  DocumentFixture f;
  f.document.LoadText(u"foo foo");
  EXPECT_NE(Replace(f, u"foo", u"bar", false), 0);  // nothing selected: finds
  EXPECT_EQ(f.Text(), u"foo foo");
  EXPECT_NE(Replace(f, u"foo", u"quux", false), 0);
  EXPECT_EQ(f.Text(), u"quux foo");
  EXPECT_EQ(f.document.Selection().start.column, 5);
  EXPECT_EQ(f.document.Selection().end.column, 8);
  EXPECT_NE(Replace(f, u"foo", u"", false), 0);  // an empty replacement deletes
  EXPECT_EQ(f.Text(), u"quux ");
  EXPECT_FALSE(f.document.Selection().exists);
  EXPECT_EQ(Replace(f, u"foo", u"x", false), 0);

  ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"quux foo");
  ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"foo foo");
  EXPECT_FALSE(f.document.Editor().CanUndo());
}

TEST(DocumentReplace, SelectionThatIsNoMatchIsLeftAndSearchedFromItsStart) {
  DocumentFixture f;
  f.document.LoadText(u"foo xfoo");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 4), editor.At(0, 8));
  EXPECT_NE(Replace(f, u"foo", u"bar", false), 0);
  EXPECT_EQ(f.Text(), u"foo xfoo");
  EXPECT_EQ(f.document.Selection().start.column, 5);
  EXPECT_EQ(f.document.Selection().end.column, 8);
}

TEST(DocumentReplace, ReplaceAllDoublingAUnitDoublesEachOccurrenceOnce) {
  DocumentFixture f;
  f.document.LoadText(u"a\nbab\na");
  f.document.Editor().CaretTo(f.document.Editor().At(1, 2));
  EXPECT_EQ(Replace(f, u"a", u"aa", true), 3);
  EXPECT_EQ(f.Text(), u"aa\nbaab\naa");
  ExpectCaret(f.document, 1, 2);

  f.document.LoadText(u"aaa");
  EXPECT_EQ(Replace(f, u"a", u"ba", true), 3);
  EXPECT_EQ(f.Text(), u"bababa");
}

TEST(DocumentReplace, ReplaceAllIsUndoneOneReplacementAtATime) {
  DocumentFixture f;
  f.document.LoadText(u"x1x2x");
  EXPECT_EQ(Replace(f, u"x", u"yy", true), 3);
  EXPECT_EQ(f.Text(), u"yy1yy2yy");
  ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"yy1yy2x");
  ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"yy1x2x");
  ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"x1x2x");
  EXPECT_FALSE(f.document.Editor().CanUndo());
}

TEST(DocumentReplace, ReplaceAllWithNothingDeletesAndClampsTheCaret) {
  DocumentFixture f;
  f.document.LoadText(u"xx yy xx\nxx");
  f.document.Editor().CaretTo(f.document.Editor().At(0, 8));
  EXPECT_EQ(Replace(f, u"xx", u"", true), 3);
  EXPECT_EQ(f.Text(), u" yy \n");
  ExpectCaret(f.document, 0, 4);
}

TEST(DocumentReplace, ReplaceAllTakingLineFeedsKeepsTheCaretInsideTheText) {
  DocumentFixture f;
  f.document.LoadText(u"ab\nab\nab");
  f.document.Editor().CaretTo(f.document.Editor().At(2, 1));
  EXPECT_EQ(Replace(f, u"b\n", u"", true), 2);
  EXPECT_EQ(f.Text(), u"aaab");
  ExpectCaret(f.document, 0, 1);
}

TEST(DocumentReplace, ReplaceAllWithLineBreaksOrOnlyCarriageReturnsEnds) {
  DocumentFixture f;
  f.document.LoadText(u"a-a-a");
  EXPECT_EQ(Replace(f, u"a", u"a\na", true), 3);
  EXPECT_EQ(f.Text(), u"a\na-a\na-a\na");
  // Carriage returns are dropped on insertion, leaving a deletion.
  EXPECT_EQ(Replace(f, u"-", u"\r", true), 2);
  EXPECT_EQ(f.Text(), u"a\naa\naa\na");
}

TEST(DocumentReplace, ReplaceAllInWrappedLinesShowsTheCaret) {
  DocumentFixture f(true);
  std::u16string long_line;
  for (int i = 0; i < 60; ++i) long_line += u"word ";
  f.document.LoadText(long_line + u"\n" + long_line);
  f.document.Editor().CaretTo(f.document.Editor().At(1, 290));
  EXPECT_EQ(Replace(f, u"word ", u"w", true), 120);
  EXPECT_EQ(f.Text(), std::u16string(60, u'w') + u"\n" + std::u16string(60, u'w'));
  EXPECT_EQ(f.document.Selection().caret.line, 1);
  EXPECT_EQ(f.document.Selection().caret.column, 60);
  EXPECT_EQ(f.document.Layout().FirstVisibleRow(), 0);
}

TEST(DocumentReplace, ReplaceAllOfAPatternWithNulsEnds) {
  DocumentFixture f;
  f.document.LoadText(std::u16string(u"a\0b-a\0b", 7));
  EXPECT_EQ(Replace(f, std::u16string(u"a\0b", 3), u"x", true), 2);
  EXPECT_EQ(f.Text(), u"x-x");
}

TEST(DocumentReplace, ReplaceAllFindingNothingOnlyDropsTheSelection) {
  DocumentFixture f;
  f.document.LoadText(u"alpha\nbeta");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(1, 1), editor.At(1, 3));
  EXPECT_EQ(Replace(f, u"gamma", u"x", true), 0);
  EXPECT_EQ(f.Text(), u"alpha\nbeta");
  ExpectCaret(f.document, 1, 3);
  EXPECT_FALSE(f.document.Editor().CanUndo());
  EXPECT_EQ(Replace(f, u"", u"x", true), 0);
  EXPECT_EQ(f.Text(), u"alpha\nbeta");
}

TEST(DocumentReplace, ReplaceAllRepaintsAndShowsTheCaretLine) {
  DocumentFixture f;
  f.document.LoadText(DocumentFixture::Lines(100));
  f.document.Editor().CaretTo(f.document.Editor().At(90, 2));
  f.window.Reset();
  EXPECT_EQ(Replace(f, u"line", u"row", true), 100);
  EXPECT_EQ(f.document.Store().LineCount(), 100);
  ExpectCaret(f.document, 90, 2);
  const std::int32_t first = f.document.Layout().FirstVisibleRow();
  EXPECT_LE(first, 90);
  EXPECT_GT(first + DocumentFixture::kRows, 90);
  EXPECT_FALSE(f.window.invalidated.empty());
}

}  // namespace
