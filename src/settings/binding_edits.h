#pragma once
// What the key-binding dialog does to its working copies of the binding
// slots and the mouse action table, without the dialog: assigning refuses a
// combination or mouse action already in use, removing unbinds, restoring
// brings back one mode's defaults.
#include <array>
#include <cstdint>

#include "settings/key_bindings.h"
#include "settings/settings.h"

namespace binding_edits {

using MouseActions = std::array<std::int32_t, Settings::kMouseActions>;

// The copies the dialog edits, with what it changed; the options dialog
// applies them when it is confirmed.
struct BindingEdit {
  key_bindings::BindingSlots slots = key_bindings::UnboundSlots();
  MouseActions mouse_actions = {};
  bool keys_changed = false;
  bool mouse_changed = false;
};

enum class Outcome { kChanged, kInUse };

// CapsLock takes no Shift.
bool ShiftAllowed(std::uint16_t key);

// row is a slot (0 .. 81).  The combination is refused when any slot, row
// itself included, already has it.
Outcome AssignKey(BindingEdit& edit, int row, std::uint16_t key, bool ctrl, bool shift);
void RemoveKey(BindingEdit& edit, int row);

// The first mouse action holding the command; -1 when none does.
int MouseActionOf(const MouseActions& actions, std::uint16_t command);
// The command moves to `action` (0 .. 8), which must be free.
Outcome AssignMouseAction(BindingEdit& edit, int row, int action);
void RemoveMouseAction(BindingEdit& edit, int row);

MouseActions DefaultMouseActions();
void RestoreDefaultKeys(BindingEdit& edit);
void RestoreDefaultMouseActions(BindingEdit& edit);

}  // namespace binding_edits
