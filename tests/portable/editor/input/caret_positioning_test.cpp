// Go to position, select all, select line, clear selection, the caret's
// place on screen and its recomputation after a relayout.
#include <gtest/gtest.h>

#include <string>

#include "cases/caret/movement_cases.h"
#include "support/caret_harness.h"

namespace {

std::u16string ManyLines(int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) text += i + 1 < count ? u"text\n" : u"text";
  return text;
}

TEST(CaretPositioning, GoToInsideTheViewOnlyMovesTheCaret) {
  CaretHarness h(kWide, 10, false);
  FillStore(h.store, ManyLines(40));
  h.navigator.GoTo({6, 2, 0}, SelectionMode::Collapse);
  EXPECT_EQ(h.view.redraws, 0);
  EXPECT_EQ(h.layout.FirstVisibleRow(), 0);
  EXPECT_EQ(h.Caret(), (TextPosition{6, 2, 14}));
  EXPECT_EQ(h.editor.RememberedX(), 14);
  EXPECT_EQ(h.view.margin_repaints, 1);
}

TEST(CaretPositioning, GoToOutsideTheViewCentresTheLine) {
  CaretHarness h(kWide, 10, false);
  FillStore(h.store, ManyLines(40));
  h.navigator.GoTo({25, 1, 0}, SelectionMode::Collapse);
  EXPECT_EQ(h.view.redraws, 1);
  EXPECT_EQ(h.layout.FirstVisibleRow(), 20);
  EXPECT_EQ(h.view.placements.back().y, 2 + 5 * 14);
  h.navigator.GoTo({2, 0, 0}, SelectionMode::Extend);
  EXPECT_EQ(h.layout.FirstVisibleRow(), 0);
  EXPECT_TRUE(h.store.Selection().exists);
  EXPECT_EQ(h.store.Selection().start, (TextPosition{2, 0, 0}));
  EXPECT_EQ(h.store.Selection().end, (TextPosition{25, 1, 7}));
}

TEST(CaretPositioning, GoToInWrappedModeUsesTheLinesFirstRow) {
  CaretHarness h(kRow5, 4, true);
  std::u16string text;
  for (int i = 0; i < 10; ++i) text += u"abcdefgh\n";
  FillStore(h.store, text);
  h.navigator.GoTo({5, 7, 0}, SelectionMode::Collapse);
  EXPECT_EQ(h.layout.FirstVisibleRow(), 10 - 2);  // row 10, half a page above
  EXPECT_EQ(h.navigator.CaretRow(), 11);
  EXPECT_EQ(h.Caret().x, 14);
}

TEST(CaretPositioning, GoToClampsPositionsOutsideTheText) {
  CaretHarness h(kWide, 10, false);
  h.Load("abc\\ndefg");
  h.navigator.GoTo({7, 99, 5}, SelectionMode::Collapse);
  EXPECT_EQ(h.Caret(), (TextPosition{1, 4, 28}));
  h.navigator.GoTo({-3, 2, 0}, SelectionMode::Collapse);
  EXPECT_EQ(h.Caret(), (TextPosition{0, 2, 14}));
  h.navigator.GoTo({0, 9, 0}, SelectionMode::Collapse);
  EXPECT_EQ(h.Caret(), (TextPosition{0, 3, 21}));  // before the line feed
}

TEST(CaretPositioning, SelectAllSelectsToTheEndOfTheText) {
  CaretHarness h(kRow5, 10, true);
  h.Load("ab|c\\nabcdefghijkl");
  h.navigator.SelectAll();
  const SelectionState& s = h.store.Selection();
  EXPECT_TRUE(s.exists);
  EXPECT_EQ(s.anchor, (TextPosition{0, 0, 0}));
  EXPECT_EQ(s.caret, (TextPosition{1, 12, 14}));  // x within the last row
  EXPECT_EQ(h.editor.RememberedX(), 14);
  EXPECT_EQ(h.view.redraws, 1);
}

TEST(CaretPositioning, SelectLine) {
  CaretHarness h(kWide, 10, false);
  h.Load("abc\\nd|ef\\n\\nx");
  EXPECT_TRUE(h.navigator.SelectLine());
  EXPECT_EQ(h.Marked(), "abc\\n^def|\\n\\nx");
  EXPECT_EQ(h.Caret().x, 21);
  h.Load("abc\\ndef\\n|\\nx");
  EXPECT_FALSE(h.navigator.SelectLine());
  EXPECT_FALSE(h.store.Selection().exists);
}

TEST(CaretPositioning, ClearSelectionRepaintsTheSelectedRows) {
  CaretHarness h(kWide, 10, false);
  h.Load("a^bc\\ndef\\ngh|i");
  h.navigator.ClearSelection();
  EXPECT_EQ(h.Marked(), "abc\\ndef\\ngh|i");
  EXPECT_EQ(h.view.invalidated, (std::vector<std::pair<int, int>>{{0, 2}}));
  EXPECT_EQ(h.view.margin_repaints, 1);
}

TEST(CaretPositioning, PlacementFollowsMarginScrollAndView) {
  CaretHarness h(71, 3, false);
  h.Load(std::string(30, 'a') + "\\nb\\nc\\nd\\ne");
  struct Case {
    TextPosition caret;
    int first_row, column;
    CaretPlacement placement;
  } cases[] = {
      {{0, 0, 0}, 0, 0, {31, 2, true}},
      {{1, 1, 7}, 0, 0, {38, 16, true}},
      {{0, 5, 35}, 0, 2, {52, 2, true}},
      {{0, 1, 7}, 0, 2, {24, 2, false}},    // left of the text area
      {{0, 20, 140}, 0, 0, {171, 2, false}},  // right of the client area
      {{0, 0, 0}, 1, 0, {31, 2 - 14, false}},
      {{4, 0, 0}, 0, 0, {31, 2 + 4 * 14, false}},  // below the client area
  };
  for (const Case& c : cases) {
    h.layout.ScrollTo(c.first_row, c.column);
    h.store.Selection().caret = c.caret;
    EXPECT_EQ(h.navigator.Placement(), c.placement) << c.caret.line << "," << c.caret.column;
  }
}

TEST(CaretPositioning, RecomputeAfterRewrapKeepsALowerRowStart) {
  CaretHarness h(kRow5, 10, true);
  h.Load("a|bcdefghijkl");
  ASSERT_TRUE(h.Press("End Right"));  // column 5, start of the lower row
  ASSERT_EQ(h.Caret().x, 0);
  h.layout.Resize(50 + CaretHarness::kMargin, 200);  // seven letters a row now
  h.navigator.RecomputeCaret();
  EXPECT_EQ(h.Caret(), (TextPosition{0, 5, 35}));
  EXPECT_EQ(h.store.Selection().anchor, h.Caret());
  ASSERT_TRUE(h.Press("S-Right S-Right"));  // column 7: the end of the first row
  h.layout.Resize(kRow5 + CaretHarness::kMargin, 200);
  h.navigator.RecomputeCaret();
  EXPECT_EQ(h.Caret(), (TextPosition{0, 7, 14}));
  EXPECT_EQ(h.store.Selection().end, h.Caret());
  EXPECT_EQ(h.view.placements.back().y, 2 + 14);
}

}  // namespace
