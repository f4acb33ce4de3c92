// Clicking and dragging with the left button: caret placement, the click
// and drag threshold, Shift extending, whole lines from the margin, and
// the automatic scrolling of a drag held outside the text area.
#include <gtest/gtest.h>

#include "editor/editing/editor_notify.h"
#include "support/document_fixture.h"
#include "support/mouse_driver.h"

namespace {

using mouse_driver::LeftClick;
using mouse_driver::LeftDrag;
using mouse_driver::MarginPoint;
using mouse_driver::TextPoint;
constexpr std::int32_t kUnit = DocumentFixture::kUnit;

TextPosition Pos(std::int32_t line, std::int32_t column) { return {line, column, column * kUnit}; }

TEST(MouseSelection, SmallMovementsAreAClickLargerOnesADrag) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef\nghijkl");
  const PointerPoint press = TextPoint(f, 0, 1);
  f.document.LeftButtonDown(press, mouse_flag::kLeft);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::LeftPressed);
  EXPECT_TRUE(f.window.captured);
  EXPECT_EQ(f.window.MessagesOf(EDN_MOUSEDOWN).size(), 1u);
  // One pixel across and one down: a sum of 2 is still a click.
  f.document.PointerMoved({press.x + 1, press.y + 1}, mouse_flag::kLeft);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::LeftPressed);
  f.document.LeftButtonUp({press.x + 1, press.y + 1}, 0);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::Idle);
  EXPECT_FALSE(f.window.captured);
  EXPECT_FALSE(f.document.Selection().exists);
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 1));

  f.document.LeftButtonDown(press, mouse_flag::kLeft);
  f.document.PointerMoved({press.x + 2, press.y + 1}, mouse_flag::kLeft);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::LeftDragging);
  f.document.PointerMoved(TextPoint(f, 1, 4), mouse_flag::kLeft);
  f.document.LeftButtonUp(TextPoint(f, 1, 4), 0);
  const SelectionState& selection = f.document.Selection();
  EXPECT_TRUE(selection.exists);
  EXPECT_EQ(selection.anchor, Pos(0, 1));
  EXPECT_EQ(selection.caret, Pos(1, 4));
  EXPECT_EQ(f.document.Editor().RememberedX(), 4 * kUnit);
}

TEST(MouseSelection, ClicksLandOnTheNearestColumnAndClampToTheText) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef\ngh");
  // The right half of 'c' puts the caret after it; the left half before.
  PointerPoint point = TextPoint(f, 0, 2);
  LeftClick(f.document, {point.x + 4, point.y});
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 3));
  LeftClick(f.document, {point.x + 3, point.y});
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 2));
  // Beyond the line end, below the last line, left of the text.
  LeftClick(f.document, TextPoint(f, 10, 30));
  EXPECT_EQ(f.document.Selection().caret, Pos(1, 2));
  LeftClick(f.document, {DocumentFixture::kMargin - 2, f.RowY(0) + 3});
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 0));
}

TEST(MouseSelection, ShiftClickExtendsFromTheAnchor) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef\nghijkl\nmnopqr");
  LeftClick(f.document, TextPoint(f, 0, 2));
  LeftClick(f.document, TextPoint(f, 2, 3), mouse_flag::kShift);
  EXPECT_TRUE(f.document.Selection().exists);
  EXPECT_EQ(f.document.Selection().start, Pos(0, 2));
  EXPECT_EQ(f.document.Selection().end, Pos(2, 3));
  LeftClick(f.document, TextPoint(f, 1, 1), mouse_flag::kShift);
  EXPECT_EQ(f.document.Selection().start, Pos(0, 2));
  EXPECT_EQ(f.document.Selection().end, Pos(1, 1));
  // Shift with Ctrl is not an extending click: it collapses.
  LeftClick(f.document, TextPoint(f, 2, 1), mouse_flag::kShift | mouse_flag::kControl);
  EXPECT_FALSE(f.document.Selection().exists);
  EXPECT_EQ(f.document.Selection().caret, Pos(2, 1));
}

TEST(MouseSelection, MarginClickSelectsTheWholeLineWithItsLineFeed) {
  DocumentFixture f;
  f.document.LoadText(u"zero\none\ntwo\nthree");
  LeftClick(f.document, MarginPoint(f, 1));
  EXPECT_EQ(f.document.Selection().start, Pos(1, 0));
  EXPECT_EQ(f.document.Selection().end, Pos(2, 0));

  // Dragging up from line 2 keeps line 2 selected and takes lines above.
  LeftDrag(f.document, MarginPoint(f, 2), MarginPoint(f, 0));
  EXPECT_EQ(f.document.Selection().anchor, Pos(3, 0));
  EXPECT_EQ(f.document.Selection().caret, Pos(0, 0));
  WideString text;
  ASSERT_TRUE(f.document.SelectionText(text));
  EXPECT_EQ(text.View(), u"zero\none\ntwo\n");

  // Dragging down onto the last line selects to the end of the text.
  LeftDrag(f.document, MarginPoint(f, 1), MarginPoint(f, 3));
  EXPECT_EQ(f.document.Selection().start, Pos(1, 0));
  EXPECT_EQ(f.document.Selection().end, Pos(3, 5));

  // The last line alone: from its end back to its start.
  LeftClick(f.document, MarginPoint(f, 3));
  EXPECT_EQ(f.document.Selection().anchor, Pos(3, 5));
  EXPECT_EQ(f.document.Selection().caret, Pos(3, 0));
}

TEST(MouseSelection, ShiftMarginClickExtendsWholeLinesFromTheSelection) {
  DocumentFixture f;
  f.document.LoadText(u"zero\none\ntwo\nthree\nfour");
  LeftClick(f.document, MarginPoint(f, 1));
  LeftClick(f.document, MarginPoint(f, 3), mouse_flag::kShift);
  EXPECT_EQ(f.document.Selection().start, Pos(1, 0));
  EXPECT_EQ(f.document.Selection().end, Pos(4, 0));

  // After an upward line drag the origin is the line above the anchor.
  LeftDrag(f.document, MarginPoint(f, 3), MarginPoint(f, 2));
  LeftClick(f.document, MarginPoint(f, 0), mouse_flag::kShift);
  EXPECT_EQ(f.document.Selection().start, Pos(0, 0));
  EXPECT_EQ(f.document.Selection().end, Pos(4, 0));

  // Without a selection the caret's line is the origin.
  LeftClick(f.document, TextPoint(f, 2, 1));
  LeftClick(f.document, MarginPoint(f, 3), mouse_flag::kShift);
  EXPECT_EQ(f.document.Selection().start, Pos(2, 0));
  EXPECT_EQ(f.document.Selection().end, Pos(4, 0));
}

TEST(MouseSelection, WrappedRowsAreHitAndSelectedByRow) {
  DocumentFixture f(true);
  f.document.LoadText(std::u16string(50, u'a') + u"\nb");
  LineRecord* line = f.document.Store().Line(0);
  ASSERT_GT(line->RowCount(), 1);
  const std::int32_t first_row_units = line->Row(0).units;
  LeftClick(f.document, TextPoint(f, 1, 5));
  EXPECT_EQ(f.document.Selection().caret, (TextPosition{0, first_row_units + 5, 5 * kUnit}));
  // The margin beside the second row of line 0 selects all of line 0.
  LeftClick(f.document, MarginPoint(f, 1));
  EXPECT_EQ(f.document.Selection().start, Pos(0, 0));
  EXPECT_EQ(f.document.Selection().end, Pos(1, 0));
  // Line 1 starts on display row 2.
  LeftClick(f.document, TextPoint(f, 2, 1));
  EXPECT_EQ(f.document.Selection().caret, Pos(1, 1));
}

TEST(MouseSelection, DragOutsideTheTextScrollsStepByStepWhileTheButtonIsHeld) {
  DocumentFixture f;
  f.document.LoadText(DocumentFixture::Lines(100));
  f.window.left_held = true;
  const PointerPoint below{DocumentFixture::kMargin + 10, DocumentFixture::kHeight + 5};
  f.document.LeftButtonDown(TextPoint(f, 5, 1), mouse_flag::kLeft);
  f.document.PointerMoved(TextPoint(f, 6, 1), mouse_flag::kLeft);
  f.document.PointerMoved(below, mouse_flag::kLeft);
  const std::int32_t first = f.document.Layout().FirstVisibleRow();
  EXPECT_GT(first, 0);
  EXPECT_EQ(f.window.auto_scrolls_pending, 1);
  // Each posted step scrolls on and leaves exactly one step pending.
  f.window.pointer = below;
  f.document.AutoScrollStep();
  EXPECT_GT(f.document.Layout().FirstVisibleRow(), first);
  EXPECT_EQ(f.window.auto_scrolls_pending, 1);
  EXPECT_TRUE(f.document.Selection().exists);
  EXPECT_EQ(f.document.Selection().anchor, Pos(5, 1));
  // Released outside the window's knowledge: the next step stops.
  f.window.left_held = false;
  f.document.AutoScrollStep();
  EXPECT_EQ(f.window.auto_scrolls_pending, 0);
  // After the release a stray step does nothing.
  f.document.LeftButtonUp(below, 0);
  const SelectionState after = f.document.Selection();
  f.document.AutoScrollStep();
  EXPECT_EQ(f.document.Selection().caret, after.caret);

  // From the first pixel above the window a row's height up the row above
  // the view is the target, then the one above that; scrolling goes on.
  f.window.left_held = true;
  f.document.ScrollBy(ScrollBarKind::kVertical, -20);
  constexpr std::int32_t kPitch = DocumentFixture::kPitch;
  for (const auto [y, rows_up] : {std::pair{-1, 1}, {-kPitch, 1}, {-1 - kPitch, 2}}) {
    const std::int32_t top = f.document.Layout().FirstVisibleRow();
    const PointerPoint above{DocumentFixture::kMargin + 10, y};
    f.document.LeftButtonDown(TextPoint(f, top + 3, 1), mouse_flag::kLeft);
    f.document.PointerMoved(TextPoint(f, top + 2, 1), mouse_flag::kLeft);
    f.document.PointerMoved(above, mouse_flag::kLeft);
    EXPECT_EQ(f.document.Selection().caret.line, top - rows_up) << "y " << y;
    EXPECT_EQ(f.document.Layout().FirstVisibleRow(), top - rows_up) << "y " << y;
    EXPECT_EQ(f.window.auto_scrolls_pending, 1) << "y " << y;
    f.document.LeftButtonUp(above, 0);
  }
}

}  // namespace
