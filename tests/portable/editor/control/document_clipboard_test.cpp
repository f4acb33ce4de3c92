// Copy, cut and paste of an editor document against a memory clipboard,
// and the parent notifications the edits send.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/editing/editor_notify.h"
#include "support/document_fixture.h"

namespace {

std::uintptr_t Address(Document& document) { return reinterpret_cast<std::uintptr_t>(&document); }

TEST(DocumentClipboard, CopyAcrossALineEndPutsCrLfAndPastingBackStoresALineFeed) {
  DocumentFixture f;
  f.document.LoadText(u"ab\ncd");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 1), editor.At(1, 1));
  ASSERT_TRUE(f.document.Copy(false));
  EXPECT_EQ(f.window.clipboard.Block(), std::u16string(u"b\r\nc\0", 5));
  EXPECT_EQ(f.Text(), u"ab\ncd");  // copying leaves the text alone

  editor.CaretTo(editor.At(1, 2));
  ASSERT_TRUE(f.document.Paste());
  EXPECT_EQ(f.Text(), u"ab\ncdb\nc");
  EXPECT_EQ(f.document.Store().LineCount(), 3);
  EXPECT_EQ(f.document.Selection().caret.line, 2);
  EXPECT_EQ(f.document.Selection().caret.column, 1);
}

TEST(DocumentClipboard, CutDeletesOnlyWhatTheClipboardTook) {
  DocumentFixture f;
  f.document.LoadText(u"hello world");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 0), editor.At(0, 6));
  f.window.clipboard.SetBusy(true);
  EXPECT_FALSE(f.document.Copy(true));
  EXPECT_EQ(f.Text(), u"hello world");
  EXPECT_TRUE(f.document.Selection().exists);
  EXPECT_FALSE(f.document.Paste());
  EXPECT_EQ(f.Text(), u"hello world");
  EXPECT_TRUE(f.window.messages.empty());

  f.window.clipboard.SetBusy(false);
  ASSERT_TRUE(f.document.Copy(true));
  EXPECT_EQ(f.Text(), u"world");
  EXPECT_EQ(f.window.clipboard.Block(), std::u16string(u"hello \0", 7));
  EXPECT_TRUE(f.document.Editor().CanUndo());
}

TEST(DocumentClipboard, NothingSelectedCopiesNothing) {
  DocumentFixture f;
  f.document.LoadText(u"abc");
  f.window.clipboard.SetBlock(std::u16string(u"old\0", 4));
  EXPECT_FALSE(f.document.Copy(false));
  EXPECT_FALSE(f.document.Copy(true));
  EXPECT_EQ(f.window.clipboard.Block(), std::u16string(u"old\0", 4));
}

TEST(DocumentClipboard, PasteTakesTextUpToTheFirstNulAndNeverBeyondTheBlock) {
  DocumentFixture f;
  f.document.LoadText(u"");
  f.window.clipboard.SetBlock(std::u16string(u"ab\0cd", 5));
  ASSERT_TRUE(f.document.Paste());
  EXPECT_EQ(f.Text(), u"ab");

  DocumentFixture unterminated;
  unterminated.document.LoadText(u"");
  unterminated.window.clipboard.SetBlock(u"xyz");
  ASSERT_TRUE(unterminated.document.Paste());
  EXPECT_EQ(unterminated.Text(), u"xyz");

  DocumentFixture empty;
  empty.document.LoadText(u"keep");
  empty.document.Editor().Select(empty.document.Editor().At(0, 0), empty.document.Editor().At(0, 4));
  empty.window.clipboard.SetBlock(std::u16string(u"\0", 1));
  EXPECT_FALSE(empty.document.Paste());
  EXPECT_EQ(empty.Text(), u"keep");
}

TEST(DocumentClipboard, PasteReplacesTheSelectionAndDropsCarriageReturns) {
  DocumentFixture f;
  f.document.LoadText(u"one two three");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 4), editor.At(0, 7));
  f.window.clipboard.PutText(u"2\r\n2\r", 5);
  ASSERT_TRUE(f.document.Paste());
  EXPECT_EQ(f.Text(), u"one 2\n2 three");
  // One undo takes the whole replacement back.
  ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"one two three");
}

TEST(DocumentClipboard, ParentHearsOfChangesModifiedStateAndLines) {
  DocumentFixture f;
  f.document.LoadText(u"a\nb\nc");
  f.window.clipboard.PutText(u"x\r\ny\r\nz", 7);
  f.document.Editor().CaretTo(f.document.Editor().At(1, 0));
  ASSERT_TRUE(f.document.Paste());
  const std::vector<ParentMessage> expected{
      {EDN_CHANGED, 0, 0},
      {EDN_MODIFIEDCHANGED, Address(f.document), 0},
      {EDN_LINESINSERTED, 1, 2},
  };
  EXPECT_EQ(f.window.messages, expected);

  f.window.Reset();
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 1), editor.At(3, 0));
  ASSERT_GE(f.document.DeleteCommand(), 0);
  const std::vector<ParentMessage> removed{{EDN_CHANGED, 0, 0}, {EDN_LINESREMOVED, 0, 3}};
  EXPECT_EQ(f.window.messages, removed);

  f.window.Reset();
  while (f.document.Undo()) {
  }
  EXPECT_EQ(f.Text(), u"a\nb\nc");
  const ParentMessage unmodified{EDN_MODIFIEDCHANGED, Address(f.document), 0};
  EXPECT_NE(std::find(f.window.messages.begin(), f.window.messages.end(), unmodified), f.window.messages.end());
}

TEST(DocumentClipboard, DeleteCommandTakesTheSelectionOrTheUnitAtTheCaret) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef");
  DocumentEditor& editor = f.document.Editor();
  editor.CaretTo(editor.At(0, 2));
  ASSERT_GE(f.document.DeleteCommand(), 0);
  EXPECT_EQ(f.Text(), u"abdef");
  editor.Select(editor.At(0, 0), editor.At(0, 3));
  ASSERT_GE(f.document.DeleteCommand(), 0);
  EXPECT_EQ(f.Text(), u"ef");
}

TEST(DocumentClipboard, IndentNeedsASelectionOverLines) {
  DocumentFixture f;
  f.document.LoadText(u"a\nb");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 0), editor.At(0, 1));
  EXPECT_EQ(f.document.Indent(), -1);
  editor.Select(editor.At(0, 0), editor.At(1, 1));
  EXPECT_EQ(f.document.Indent(), 0);
  EXPECT_EQ(f.Text(), u"\ta\n\tb");
  EXPECT_EQ(f.document.Unindent(), 0);
  EXPECT_EQ(f.Text(), u"a\nb");
}

TEST(DocumentClipboard, SelectAllReachesTheEndOfTheLastLine) {
  DocumentFixture f;
  f.document.LoadText(u"ab\ncde");
  f.document.Navigator().SelectAll();
  const SelectionState& selection = f.document.Selection();
  EXPECT_TRUE(selection.exists);
  EXPECT_EQ(selection.start, (TextPosition{0, 0, 0}));
  EXPECT_EQ(selection.end, (TextPosition{1, 3, 3 * DocumentFixture::kUnit}));
  f.document.Copy(false);
  EXPECT_EQ(f.window.clipboard.Block(), std::u16string(u"ab\r\ncde\0", 8));
}

}  // namespace
