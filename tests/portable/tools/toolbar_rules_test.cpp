// The find boxes' histories and the buttons' states.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/toolbars/button_states.h"
#include "tools/toolbars/find_history.h"

namespace {

std::vector<std::u16string> Texts(const std::vector<WideString>& history) {
  std::vector<std::u16string> texts;
  for (const WideString& text : history) texts.emplace_back(text.View());
  return texts;
}

TEST(FindHistory, NewestFirstEachOnceAtMostTwenty) {
  std::vector<WideString> history;
  for (int i = 0; i < 21; ++i) ASSERT_TRUE(find_history::Add(history, u"t" + std::u16string(1, u'a' + i)));
  EXPECT_EQ(history.size(), 20u);
  EXPECT_EQ(std::u16string(history.front().View()), u"tu");
  EXPECT_EQ(std::u16string(history.back().View()), u"tb");  // "ta" went
  ASSERT_TRUE(find_history::Add(history, u"tk"));
  EXPECT_EQ(Texts(history)[0], u"tk");
  EXPECT_EQ(history.size(), 20u);  // moved, not doubled
  EXPECT_TRUE(find_history::Add(history, u"TK"));  // compared exactly
  EXPECT_EQ(Texts(history)[1], u"tk");
  EXPECT_FALSE(find_history::Add(history, u""));

  EXPECT_TRUE(find_history::SelectionFillsFindBox(u"one line"));
  EXPECT_FALSE(find_history::SelectionFillsFindBox(u"two\nlines"));
  EXPECT_FALSE(find_history::SelectionFillsFindBox(u""));
}

TEST(ButtonStates, UndoGreysWithNothingToTakeBackAndTogglesFollowTheirOption) {
  button_states::Flags flags;
  flags.can_redo = true;
  flags.right_pane = true;
  flags.match_case = true;
  const std::pair<std::uint16_t, int> cases[] = {
      {5110, button_states::kIndeterminate},
      {5111, button_states::kEnabled},
      {5210, button_states::kEnabled},
      {5220, button_states::kEnabled | button_states::kChecked},
      {5260, button_states::kEnabled},
      {5920, button_states::kEnabled | button_states::kChecked},
      {5921, button_states::kEnabled},
      {5050, -1},
  };
  for (const auto& [command, state] : cases) EXPECT_EQ(button_states::StateOf(command, flags), state) << command;
}

}  // namespace
