#pragma once
// Moving through the menu bar with the keyboard and the mouse while a menu
// is in its modal loop: the bar is a row of buttons, not a real menu bar,
// so the program decides what Left, Right, Return and the pointer do.
#include <cstdint>

namespace menu_navigation {

struct State {
  std::uint16_t hot = 0;         // hot menu-bar button, 0 none
  std::uint16_t open = 0;        // button whose popup is open, 0 none
  bool item_touched = false;     // the open popup has highlighted an item
  bool keyboard_mode = false;    // the bar was entered with the menu key
};

enum class Key { kReturn, kUp, kDown, kLeft, kRight, kOther };

// What the hook does with a message: eat it or let it pass, end the menu
// loop, open a button's popup (post) or make a button hot.
struct Decision {
  bool eat = false;
  bool end_menu = false;
  std::uint16_t open_popup = 0;
  std::uint16_t make_hot = 0;
  bool operator==(const Decision&) const = default;
};

// The neighbour button, wrapping from the last to the first and back.
std::uint16_t Neighbour(std::uint16_t button, bool right);

Decision OnKey(const State& state, Key key);
// The menu-bar button of a letter (F E V B I T H, either case); 0 for other
// characters.
std::uint16_t ButtonOfLetter(char16_t letter);
// A letter typed while the bar was entered with the menu key and no popup
// is open opens that letter's menu.
Decision OnLetter(const State& state, char16_t letter);
// button: the menu-bar button under the pointer, 0 when none.
Decision OnPointerMove(const State& state, std::uint16_t button);
Decision OnLeftButton(const State& state, std::uint16_t button);

}  // namespace menu_navigation
