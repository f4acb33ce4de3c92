#pragma once
// The process-wide accelerator table (FrameState::accelerators) that the
// message loop translates keys with: made at start from entry 20, written
// back at exit, rebuilt whole when the bindings change.  Windows only.
#include <cstdint>

#include "platform/wide_string.h"
#include "settings/key_bindings.h"
#include "settings/settings.h"

namespace accelerator_table {

// At start, once the settings are read: the table from the stored records,
// or from the default keys when none are stored.
bool LoadBindings(const Settings& settings);
// At exit: the table's records replace settings.key_binding_records.
void SaveBindings(Settings& settings);

// The slots as the live table has them.
key_bindings::BindingSlots SlotsFromTable();
// A new table from the slots replaces the old one; on failure the old one
// stays.  No key at all leaves no table.
bool RebuildAccelerators(const key_bindings::BindingSlots& slots);

// The command's shortcut as a menu shows it ("Ctrl+Shift+Z"); empty when
// the command has no key or is no bindable command.
bool ShortcutText(std::uint16_t command, WideString& text);

}  // namespace accelerator_table
