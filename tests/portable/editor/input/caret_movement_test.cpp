#include <gtest/gtest.h>

#include <string>

#include "cases/caret/movement_cases.h"
#include "support/caret_harness.h"

namespace {

// The marked text in the form the harness writes it.
std::string Canonical(const char* written) {
  bool ok = true;
  const MarkedText marked = ParseMarked(written, ok);
  EXPECT_TRUE(ok) << written;
  return WriteMarked(marked);
}

std::u16string NumberedLines(int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    if (i) text += u'\n';
    text += u"line";
    text += static_cast<char16_t>(u'0' + i / 10);
    text += static_cast<char16_t>(u'0' + i % 10);
  }
  return text;
}

TEST(CaretMovementCases, EveryCase) {
  for (const MovementCase& c : kMovementCases) {
    SCOPED_TRACE(c.name);
    CaretHarness h(c.text_width, c.rows, c.wrapped);
    h.Load(c.text);
    ASSERT_TRUE(h.Press(c.keys)) << c.keys;
    EXPECT_EQ(h.Marked(), Canonical(c.expected));
    EXPECT_EQ(h.Caret().x, c.x);
    if (c.first_row >= 0) EXPECT_EQ(h.layout.FirstVisibleRow(), c.first_row);
    if (c.scroll_column >= 0) EXPECT_EQ(h.layout.HorizontalScrollColumn(), c.scroll_column);
  }
}

TEST(CaretMovement, PagesScrollFirstAndStopAtTheScrollRange) {
  CaretHarness h(kWide, 10, false);
  FillStore(h.store, NumberedLines(30));
  h.navigator.GoTo({5, 3, 0}, SelectionMode::Collapse);
  struct Step {
    const char* keys;
    int line, first_row;
  } steps[] = {
      {"PgDn", 15, 10},
      {"PgDn", 25, 20},
      {"PgDn", 29, 26},  // 30 lines + half a page - a page + 1
      {"PgDn", 29, 26},
      {"PgUp", 19, 16},
      {"PgUp PgUp", 0, 0},
      {"S-PgDn", 10, 10},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.keys);
    ASSERT_TRUE(h.Press(step.keys));
    EXPECT_EQ(h.Caret().line, step.line);
    EXPECT_EQ(h.Caret().column, 3);
    EXPECT_EQ(h.layout.FirstVisibleRow(), step.first_row);
  }
  EXPECT_TRUE(h.store.Selection().exists);
  EXPECT_EQ(h.store.Selection().anchor.line, 0);
}

TEST(CaretMovement, WrappedPagesCountRows) {
  CaretHarness h(kRow5, 4, true);
  // Ten lines of two rows each.
  std::u16string text;
  for (int i = 0; i < 10; ++i) text += u"abcdefgh\n";
  FillStore(h.store, text);
  ASSERT_EQ(h.store.TotalRows(), 21);
  h.navigator.GoTo({0, 2, 0}, SelectionMode::Collapse);
  ASSERT_TRUE(h.Press("PgDn"));
  EXPECT_EQ(h.layout.FirstVisibleRow(), 4);
  EXPECT_EQ(h.Caret().line, 2);
  EXPECT_EQ(h.Caret().column, 2);
  ASSERT_TRUE(h.Press("Down"));
  EXPECT_EQ(h.Caret().column, 7);  // the line's second row
  EXPECT_EQ(h.Caret().x, 14);
}

TEST(CaretMovement, RowsLeavingTheViewScrollIt) {
  CaretHarness h(kWide, 10, false);
  FillStore(h.store, NumberedLines(30));
  h.navigator.GoTo({9, 0, 0}, SelectionMode::Collapse);
  ASSERT_EQ(h.layout.FirstVisibleRow(), 0);
  ASSERT_TRUE(h.Press("Down"));
  EXPECT_EQ(h.layout.FirstVisibleRow(), 1);  // line 10 is now the last visible row
  ASSERT_TRUE(h.Press("PgDn Up Up Up Up Up Up Up Up Up Up Up"));
  EXPECT_EQ(h.Caret().line, 9);
  EXPECT_EQ(h.layout.FirstVisibleRow(), 9);
}

TEST(CaretMovement, HorizontalMovesKeepTwoColumnsOfRoom) {
  // A text area of 10 columns over a line of 40.
  CaretHarness h(71, 10, false);
  ASSERT_EQ(h.layout.VisibleColumns(), 10);
  h.Load(std::string(40, 'a') + "\\nb");
  ASSERT_TRUE(h.Press("End"));
  EXPECT_EQ(h.layout.HorizontalScrollColumn(), 32);  // the caret at column 8 of 10
  ASSERT_TRUE(h.Press("Home"));
  EXPECT_EQ(h.layout.HorizontalScrollColumn(), 0);
  h.navigator.GoTo({0, 7, 0}, SelectionMode::Collapse);
  ASSERT_TRUE(h.Press("Right"));
  EXPECT_EQ(h.layout.HorizontalScrollColumn(), 0);
  ASSERT_TRUE(h.Press("Right"));
  EXPECT_EQ(h.layout.HorizontalScrollColumn(), 1);
  // Down lands at column 1 of the short line: vertical moves keep no room.
  ASSERT_TRUE(h.Press("Down"));
  EXPECT_EQ(h.Caret().column, 1);
  EXPECT_EQ(h.layout.HorizontalScrollColumn(), 1);
  ASSERT_TRUE(h.Press("Left"));
  EXPECT_EQ(h.layout.HorizontalScrollColumn(), 0);
}

TEST(CaretMovement, MovesRepaintTheOldAndNewSelectionRowsAndTheMargin) {
  CaretHarness h(kWide, 20, false);
  h.Load("abc\\nd|ef\\nghi\\njkl");
  ASSERT_TRUE(h.Press("S-Down"));
  EXPECT_EQ(h.view.invalidated, (std::vector<std::pair<int, int>>{{1, 2}}));
  EXPECT_EQ(h.view.margin_repaints, 1);
  ASSERT_EQ(h.view.placements.size(), 1u);
  EXPECT_EQ(h.view.placements.back(), (CaretPlacement{CaretHarness::kMargin + 7, 2 + 2 * 14, true}));
  h.view.Forget();
  ASSERT_TRUE(h.Press("Down"));  // collapses: the old rows go
  EXPECT_EQ(h.view.invalidated, (std::vector<std::pair<int, int>>{{1, 2}}));
  h.view.Forget();
  ASSERT_TRUE(h.Press("Right"));  // nothing selected before or after
  EXPECT_TRUE(h.view.invalidated.empty());
  EXPECT_EQ(h.view.margin_repaints, 1);
  h.view.Forget();
  ASSERT_TRUE(h.Press("Up Up Up Up"));  // three moves, then only made visible
  EXPECT_EQ(h.view.placements.size(), 3u);
  EXPECT_EQ(h.view.margin_repaints, 3);
}

TEST(CaretMovement, VerticalMovesLeaveTheRememberedXHorizontalOnesSetIt) {
  CaretHarness h(kWide, 20, false);
  h.Load("abcdef|\\nab\\nabcdefgh");
  EXPECT_EQ(h.editor.RememberedX(), 42);
  ASSERT_TRUE(h.Press("Down"));
  EXPECT_EQ(h.editor.RememberedX(), 42);
  ASSERT_TRUE(h.Press("Left"));
  EXPECT_EQ(h.editor.RememberedX(), 7);
  ASSERT_TRUE(h.Press("Down"));
  EXPECT_EQ(h.Caret().column, 1);
}

}  // namespace
