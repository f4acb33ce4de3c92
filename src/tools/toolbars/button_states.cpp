#include "tools/toolbars/button_states.h"

namespace button_states {
namespace {

int Toggle(bool on) { return on ? kChecked | kEnabled : kEnabled; }
int Available(bool yes) { return yes ? kEnabled : kIndeterminate; }

}  // namespace

int StateOf(std::uint16_t command, const Flags& flags) {
  switch (command) {
    case 5110:
      return Available(flags.can_undo);
    case 5111:
      return Available(flags.can_redo);
    case 5210:
      return Toggle(flags.left_pane);
    case 5220:
      return Toggle(flags.right_pane);
    case 5260:
      return Toggle(flags.wrap);
    case 5251:
      return Toggle(flags.bold_tags);
    case 5920:
      return Toggle(flags.match_case);
    default:
      return -1;
  }
}

}  // namespace button_states
