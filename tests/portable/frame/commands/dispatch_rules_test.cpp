// Which commands dispatch ignores, which command a mouse action or gesture
// stands for, and what the status bar says while a gesture is held.
#include <gtest/gtest.h>

#include "frame/commands/dispatch_rules.h"
#include "frame/commands/go_to_line.h"

namespace {

TEST(DispatchRules, KeysWaitForTheMouseAndActionsNameOnlyKnownCommands) {
  EXPECT_TRUE(dispatch_rules::Ignored(dispatch_rules::kFromAccelerator, true));
  EXPECT_FALSE(dispatch_rules::Ignored(0, true));  // the menu still works
  EXPECT_FALSE(dispatch_rules::Ignored(dispatch_rules::kFromAccelerator, false));

  std::array<std::int32_t, Settings::kMouseActions> actions = {5125, 5310, 0, 4999, 70000, 5121, 5411, 5511, 6001};
  const std::pair<std::uintptr_t, std::uint16_t> cases[] = {
      {0, 5125}, {1, 5310}, {2, 0}, {3, 0}, {4, 0}, {8, 6001}, {9, 0}, {~std::uintptr_t{0}, 0}};
  for (const auto& [index, command] : cases) EXPECT_EQ(dispatch_rules::MouseActionCommand(actions, index), command);
}

TEST(DispatchRules, GestureFeedbackNamesTheBoundCommand) {
  Settings settings;
  settings.mouse_actions = {0, 0, 0, 0, 0, 5121, 5411, 5511, 0};
  settings.quick_tags[0].label.Assign(u"Heading");
  settings.external_tools[0].label.Assign(u"Browser");
  auto names = [](unsigned id) { return id == 5121 ? std::u16string_view(u"Copy") : std::u16string_view(u"?"); };
  const std::pair<std::uintptr_t, std::u16string> cases[] = {
      {5, u"Copy"}, {6, u"Heading"}, {7, u"Browser"}, {8, u""}, {9, u""}, {4, u""}};
  for (const auto& [index, text] : cases) {
    WideString shown;
    EXPECT_EQ(dispatch_rules::GestureFeedback(settings, index, names, shown), !text.empty()) << index;
    EXPECT_EQ(std::u16string(shown.View()), text) << index;
  }
}

TEST(GoToLine, TypedNumbersBecomeLineIndexesAndAnythingElseCancels) {
  const std::pair<const char16_t*, int> cases[] = {
      {u"1", 0}, {u"99999", 99998}, {u"0", -1}, {u"", -1}, {u"12a", -1}, {u"-3", -1}, {u"99999999999", -1}};
  for (const auto& [text, line] : cases) EXPECT_EQ(go_to_line::LineIndexFromText(text), line);
}

}  // namespace
