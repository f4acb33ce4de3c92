#include "frame/layout/menu_navigation.h"

#include "commands/command_ids.h"

namespace menu_navigation {

std::uint16_t Neighbour(std::uint16_t button, bool right) {
  if (button < command_ids::kFirstMenuButton || button > command_ids::kLastMenuButton) return command_ids::kFirstMenuButton;
  if (right) return button == command_ids::kLastMenuButton ? command_ids::kFirstMenuButton : static_cast<std::uint16_t>(button + 1);
  return button == command_ids::kFirstMenuButton ? command_ids::kLastMenuButton : static_cast<std::uint16_t>(button - 1);
}

Decision OnKey(const State& state, Key key) {
  Decision decision;
  switch (key) {
    case Key::kReturn:
    case Key::kUp:
    case Key::kDown:
      // On the bar itself these open the hot button's menu; inside a popup
      // they move through its items.
      if (state.open == 0 && state.hot != 0) decision = {true, true, state.hot, 0};
      break;
    case Key::kLeft:
    case Key::kRight: {
      const std::uint16_t target = Neighbour(state.hot, key == Key::kRight);
      if (state.open == 0) {
        decision = {true, false, 0, target};
      } else if (!state.item_touched) {
        decision = {true, true, target, 0};
      }
      break;
    }
    case Key::kOther:
      break;
  }
  return decision;
}

std::uint16_t ButtonOfLetter(char16_t letter) {
  constexpr char16_t kLetters[] = u"FEVBITH";
  if (letter >= u'a' && letter <= u'z') letter = static_cast<char16_t>(letter - (u'a' - u'A'));
  for (int i = 0; kLetters[i]; ++i)
    if (kLetters[i] == letter) return static_cast<std::uint16_t>(command_ids::kFirstMenuButton + i);
  return 0;
}

Decision OnLetter(const State& state, char16_t letter) {
  const std::uint16_t button = ButtonOfLetter(letter);
  if (state.open != 0 || !state.keyboard_mode || button == 0) return {};
  return {true, true, button, 0};
}

Decision OnPointerMove(const State& state, std::uint16_t button) {
  if (button == 0) return {};
  if (state.open != 0 && button != state.open) return {false, true, button, 0};
  if (state.open == 0 && state.keyboard_mode && state.hot != 0) return {false, true, 0, 0};
  return {};
}

Decision OnLeftButton(const State& state, std::uint16_t button) {
  if (button != 0 && button == state.open) return {true, true, 0, 0};
  return {};
}

}  // namespace menu_navigation
