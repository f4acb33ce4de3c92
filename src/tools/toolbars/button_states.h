#pragma once
// What the tool bar and find bar buttons show: greyed undo and redo when
// there is nothing to take back or do again, pressed toggles while their
// option is on.
#include <cstdint>

namespace button_states {

struct Flags {
  bool can_undo = false;
  bool can_redo = false;
  bool left_pane = false;
  bool right_pane = false;
  bool wrap = false;
  bool bold_tags = false;
  bool match_case = false;
  bool regex = false;
};

// Toolbar state bits, as the toolbar control counts them.
inline constexpr std::uint8_t kChecked = 0x01;
inline constexpr std::uint8_t kEnabled = 0x04;
inline constexpr std::uint8_t kIndeterminate = 0x10;

// The state of the button for command; -1 for buttons whose state never
// changes.
int StateOf(std::uint16_t command, const Flags& flags);

}  // namespace button_states
