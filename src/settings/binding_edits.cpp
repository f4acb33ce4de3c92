#include "settings/binding_edits.h"

#include <algorithm>

#include "settings/catalogue.h"

namespace binding_edits {
namespace {

// The entries that hold the mouse action table, by action.
constexpr std::array<std::uint32_t, Settings::kMouseActions> kMouseActionEntries = {347, 348, 337, 338, 339,
                                                                                    340, 341, 342, 343};

}  // namespace

bool ShiftAllowed(std::uint16_t key) { return key != key_bindings::kCapsLock; }

Outcome AssignKey(BindingEdit& edit, int row, std::uint16_t key, bool ctrl, bool shift) {
  std::uint8_t modifiers = key_bindings::kVirtualKey;
  if (ctrl) modifiers |= key_bindings::kControl;
  if (shift && ShiftAllowed(key)) modifiers |= key_bindings::kShift;
  const key_bindings::BindingSlot wanted = {modifiers, key, edit.slots[row].command};
  const bool in_use = std::any_of(edit.slots.begin(), edit.slots.end(), [&](const key_bindings::BindingSlot& slot) {
    return slot.key == wanted.key && slot.modifiers == wanted.modifiers;
  });
  if (in_use) return Outcome::kInUse;
  edit.slots[row] = wanted;
  edit.keys_changed = true;
  return Outcome::kChanged;
}

void RemoveKey(BindingEdit& edit, int row) {
  edit.slots[row].modifiers = key_bindings::kVirtualKey;
  edit.slots[row].key = 0;
  edit.keys_changed = true;
}

int MouseActionOf(const MouseActions& actions, std::uint16_t command) {
  const auto found = std::find(actions.begin(), actions.end(), command);
  return found == actions.end() ? -1 : static_cast<int>(found - actions.begin());
}

Outcome AssignMouseAction(BindingEdit& edit, int row, int action) {
  if (edit.mouse_actions[action] != 0) return Outcome::kInUse;
  RemoveMouseAction(edit, row);
  edit.mouse_actions[action] = edit.slots[row].command;
  return Outcome::kChanged;
}

void RemoveMouseAction(BindingEdit& edit, int row) {
  const int held = MouseActionOf(edit.mouse_actions, edit.slots[row].command);
  if (held >= 0) edit.mouse_actions[held] = 0;
  edit.mouse_changed = true;
}

MouseActions DefaultMouseActions() {
  MouseActions actions = {};
  for (int i = 0; i < Settings::kMouseActions; ++i) actions[i] = catalogue::At(kMouseActionEntries[i]).fallback;
  return actions;
}

void RestoreDefaultKeys(BindingEdit& edit) {
  edit.slots = key_bindings::DefaultSlots();
  edit.keys_changed = true;
}

void RestoreDefaultMouseActions(BindingEdit& edit) {
  edit.mouse_actions = DefaultMouseActions();
  edit.mouse_changed = true;
}

}  // namespace binding_edits
