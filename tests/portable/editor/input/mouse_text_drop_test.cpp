// Dragging the selection and dropping it: moved as one undoable step,
// copied with Ctrl, cancelled onto itself, and the cursors on the way.
#include <gtest/gtest.h>

#include "editor/editing/editor_notify.h"
#include "support/document_fixture.h"
#include "support/mouse_driver.h"

namespace {

using mouse_driver::LeftClick;
using mouse_driver::LeftDrag;
using mouse_driver::TextPoint;
constexpr std::int32_t kUnit = DocumentFixture::kUnit;

TextPosition Pos(std::int32_t line, std::int32_t column) { return {line, column, column * kUnit}; }

void Select(Document& document, TextPosition anchor, TextPosition caret) {
  document.Editor().Select(anchor, caret);
  document.PointerLeft();
}

TEST(MouseTextDrop, MovingToTheLineEndIsUndoneInOneStep) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef");
  Select(f.document, Pos(0, 0), Pos(0, 3));
  LeftDrag(f.document, TextPoint(f, 0, 1), TextPoint(f, 0, 6));
  EXPECT_EQ(f.Text(), u"defabc");
  EXPECT_EQ(f.document.Selection().start, Pos(0, 3));
  EXPECT_EQ(f.document.Selection().end, Pos(0, 6));
  ASSERT_FALSE(f.window.cursors.empty());
  EXPECT_EQ(f.window.cursors.front(), kCursorMove);
  EXPECT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"abcdef");
  EXPECT_EQ(f.document.Selection().start, Pos(0, 0));
  EXPECT_EQ(f.document.Selection().end, Pos(0, 3));
  EXPECT_FALSE(f.document.Editor().CanUndo());
  // Redo moves it again and selects it.
  EXPECT_TRUE(f.document.Redo());
  EXPECT_EQ(f.Text(), u"defabc");
  EXPECT_EQ(f.document.Selection().start, Pos(0, 3));
  EXPECT_EQ(f.document.Selection().end, Pos(0, 6));
}

TEST(MouseTextDrop, MovedTextShiftsADropPointAfterIt) {
  DocumentFixture f;
  // Onto a later line: only the line shifts.
  f.document.LoadText(u"ab\ncd\nef");
  Select(f.document, Pos(0, 1), Pos(1, 1));
  LeftDrag(f.document, TextPoint(f, 0, 1), TextPoint(f, 2, 1));
  EXPECT_EQ(f.Text(), u"ad\neb\ncf");
  EXPECT_EQ(f.document.Selection().start, Pos(1, 1));
  EXPECT_EQ(f.document.Selection().end, Pos(2, 1));
  EXPECT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"ab\ncd\nef");

  // Onto the selection's last line after its end: line and column shift.
  f.document.LoadText(u"ab\ncdef");
  Select(f.document, Pos(1, 1), Pos(0, 1));
  LeftDrag(f.document, TextPoint(f, 1, 0), TextPoint(f, 1, 3));
  EXPECT_EQ(f.Text(), u"adeb\ncf");
  EXPECT_EQ(f.document.Selection().start, Pos(0, 3));
  EXPECT_EQ(f.document.Selection().end, Pos(1, 1));
  // Undo brings back the selection with its anchor where it was.
  EXPECT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"ab\ncdef");
  EXPECT_EQ(f.document.Selection().anchor, Pos(1, 1));
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 1));

  // Before the selection nothing shifts.
  f.document.LoadText(u"abcdef");
  Select(f.document, Pos(0, 3), Pos(0, 6));
  LeftDrag(f.document, TextPoint(f, 0, 4), TextPoint(f, 0, 1));
  EXPECT_EQ(f.Text(), u"adefbc");
  EXPECT_EQ(f.document.Selection().start, Pos(0, 1));
  EXPECT_EQ(f.document.Selection().end, Pos(0, 4));
}

TEST(MouseTextDrop, CtrlDragCopiesAndLeavesTheOriginal) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef");
  Select(f.document, Pos(0, 0), Pos(0, 3));
  LeftDrag(f.document, TextPoint(f, 0, 1), TextPoint(f, 0, 6), mouse_flag::kControl);
  EXPECT_EQ(f.Text(), u"abcdefabc");
  EXPECT_EQ(f.document.Selection().start, Pos(0, 6));
  EXPECT_EQ(f.document.Selection().end, Pos(0, 9));
  ASSERT_FALSE(f.window.cursors.empty());
  EXPECT_EQ(f.window.cursors.front(), kCursorCopy);
  EXPECT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"abcdef");
  EXPECT_FALSE(f.document.Editor().CanUndo());
}

TEST(MouseTextDrop, CtrlPressedAndReleasedDuringTheDragSwitchesTheCursor) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef");
  Select(f.document, Pos(0, 0), Pos(0, 3));
  // Not dragging: Ctrl shows nothing.
  f.document.KeyDown(virtual_key::kControl, {false, true, false}, false);
  EXPECT_TRUE(f.window.cursors.empty());
  f.document.LeftButtonDown(TextPoint(f, 0, 1), mouse_flag::kLeft);
  f.document.PointerMoved(TextPoint(f, 0, 4), mouse_flag::kLeft);
  f.document.PointerMoved(TextPoint(f, 0, 5), mouse_flag::kLeft);
  f.document.KeyDown(virtual_key::kControl, {false, true, false}, false);
  f.document.KeyDown(virtual_key::kControl, {false, true, false}, true);
  f.document.KeyUp(virtual_key::kControl);
  EXPECT_EQ(f.window.cursors, (std::vector<EditorCursor>{kCursorMove, kCursorCopy, kCursorMove}));
  // The flags of the release decide: no Ctrl, a move.
  f.document.LeftButtonUp(TextPoint(f, 0, 5), 0);
  EXPECT_EQ(f.Text(), u"deabcf");
}

TEST(MouseTextDrop, DroppingOntoItsOwnFirstOrLastPositionCancels) {
  for (std::int32_t column : {0, 3}) {
    DocumentFixture f;
    f.document.LoadText(u"abcdef");
    Select(f.document, Pos(0, 0), Pos(0, 3));
    LeftDrag(f.document, TextPoint(f, 0, 1), TextPoint(f, 0, column));
    EXPECT_EQ(f.Text(), u"abcdef") << column;
    EXPECT_EQ(f.document.Selection().start, Pos(0, 0));
    EXPECT_EQ(f.document.Selection().end, Pos(0, 3));
    // The caret is back at the selection's end, as before the drag.
    EXPECT_EQ(f.document.Selection().caret, Pos(0, 3));
    EXPECT_FALSE(f.document.Editor().CanUndo());
  }
}

TEST(MouseTextDrop, AClickOnTheSelectionCollapsesItThere) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef");
  Select(f.document, Pos(0, 0), Pos(0, 4));
  LeftClick(f.document, TextPoint(f, 0, 2));
  EXPECT_FALSE(f.document.Selection().exists);
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 2));
  EXPECT_EQ(f.document.Selection().anchor, Pos(0, 2));
  // The pointer is over plain text now.
  EXPECT_EQ(f.document.Zone(), HoverZone::Text);
}

TEST(MouseTextDrop, LosingTheMouseMidDragDropsNothing) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef");
  Select(f.document, Pos(0, 0), Pos(0, 3));
  f.document.LeftButtonDown(TextPoint(f, 0, 1), mouse_flag::kLeft);
  f.document.PointerMoved(TextPoint(f, 0, 4), mouse_flag::kLeft);
  f.document.PointerMoved(TextPoint(f, 0, 5), mouse_flag::kLeft);
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 5));
  f.document.PointerCaptureLost();
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::Idle);
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 3));
  // The release that follows elsewhere changes nothing.
  f.document.LeftButtonUp(TextPoint(f, 0, 5), 0);
  EXPECT_EQ(f.Text(), u"abcdef");
  EXPECT_EQ(f.document.Selection().start, Pos(0, 0));
  EXPECT_EQ(f.document.Selection().end, Pos(0, 3));
  // And the next press starts afresh.
  LeftClick(f.document, TextPoint(f, 0, 5));
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 5));
}

TEST(MouseTextDrop, TextReplacedDuringTheDragLeavesTheCaretInsideIt) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef\nghijkl");
  Select(f.document, Pos(1, 1), Pos(1, 5));
  f.document.PointerMoved(TextPoint(f, 1, 2), 0);
  f.document.LeftButtonDown(TextPoint(f, 1, 2), mouse_flag::kLeft);
  f.document.PointerMoved(TextPoint(f, 1, 4), mouse_flag::kLeft);
  f.document.PointerMoved(TextPoint(f, 0, 1), mouse_flag::kLeft);
  f.document.LoadText(u"xy");
  f.document.LeftButtonUp(TextPoint(f, 0, 1), 0);
  EXPECT_EQ(f.Text(), u"xy");
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 2));
}

TEST(MouseTextDrop, OtherPanesDropPointTakesFocusAndCaretOnlyInside) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef\nghi");
  f.window.focused = false;
  EXPECT_EQ(f.document.DropPoint({-3, 10}), 1);
  EXPECT_EQ(f.document.DropPoint({10, DocumentFixture::kHeight}), 1);
  EXPECT_FALSE(f.window.focused);
  EXPECT_EQ(f.document.DropPoint(TextPoint(f, 1, 2)), 2);
  EXPECT_TRUE(f.window.focused);
  EXPECT_EQ(f.document.Selection().caret, Pos(1, 2));
  EXPECT_EQ(f.document.Selection().anchor, Pos(1, 2));
  // With a selection only the caret moves.
  Select(f.document, Pos(0, 0), Pos(0, 2));
  EXPECT_EQ(f.document.DropPoint(TextPoint(f, 0, 5)), 2);
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 5));
  EXPECT_EQ(f.document.Selection().end, Pos(0, 2));
}

}  // namespace
