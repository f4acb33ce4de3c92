#include "tools/toolbars/button_states.h"

#include "commands/command_ids.h"

namespace button_states {
namespace {

int Toggle(bool on) { return on ? kChecked | kEnabled : kEnabled; }
int Available(bool yes) { return yes ? kEnabled : kIndeterminate; }

}  // namespace

int StateOf(std::uint16_t command, const Flags& flags) {
  switch (command) {
    case command_ids::kUndo:
      return Available(flags.can_undo);
    case command_ids::kRedo:
      return Available(flags.can_redo);
    case command_ids::kLeftPane:
      return Toggle(flags.left_pane);
    case command_ids::kRightPane:
      return Toggle(flags.right_pane);
    case command_ids::kWrap:
      return Toggle(flags.wrap);
    case command_ids::kBoldTags:
      return Toggle(flags.bold_tags);
    case command_ids::kMatchCase:
      return Toggle(flags.match_case);
    case command_ids::kRegexSearch:
      return Toggle(flags.regex);
    default:
      return -1;
  }
}

}  // namespace button_states
