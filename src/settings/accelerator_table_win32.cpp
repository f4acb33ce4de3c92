#include "settings/accelerator_table.h"

#include <windows.h>

#include <vector>

#include "base/frame_state.h"
#include "settings/key_names.h"
#include "settings/menus/menus_win32.h"

namespace accelerator_table {
namespace {

using key_bindings::AcceleratorRecords;

// Whether the table (null included, for no keys at all) holds the
// bindings.  A table that could not be made at start must not be saved
// as "every key removed".
bool table_holds_bindings = false;

// Null for no records: the system makes no empty table.
HACCEL Create(const AcceleratorRecords& records) {
  if (records.empty()) return nullptr;
  std::vector<ACCEL> table(records.size());
  for (std::size_t i = 0; i < records.size(); ++i)
    table[i] = {records[i].flags, records[i].key, records[i].command};
  return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

AcceleratorRecords Copy(HACCEL handle) {
  if (!handle) return {};
  ACCEL table[key_bindings::kSlotCount] = {};
  const int count = CopyAcceleratorTableW(handle, table, key_bindings::kSlotCount);
  AcceleratorRecords records;
  for (int i = 0; i < count && i < key_bindings::kSlotCount; ++i)
    records.push_back({table[i].fVirt, table[i].key, table[i].cmd});
  return records;
}

// The new table first, so that a failure leaves the old one working.
bool Replace(const AcceleratorRecords& records) {
  HACCEL fresh = Create(records);
  if (!fresh && !records.empty()) return false;
  HACCEL old = static_cast<HACCEL>(Frame().accelerators);
  Frame().accelerators = fresh;
  if (old) DestroyAcceleratorTable(old);
  table_holds_bindings = true;
  return true;
}

}  // namespace

bool LoadBindings(const Settings& settings) {
  return Replace(key_bindings::StartingRecords(settings.key_binding_records));
}

void SaveBindings(Settings& settings) {
  if (!table_holds_bindings) return;
  settings.key_binding_records = key_bindings::BytesFromRecords(Copy(static_cast<HACCEL>(Frame().accelerators)));
}

key_bindings::BindingSlots SlotsFromTable() {
  return key_bindings::SlotsFromRecords(Copy(static_cast<HACCEL>(Frame().accelerators)));
}

bool RebuildAccelerators(const key_bindings::BindingSlots& slots) {
  if (!Replace(key_bindings::RecordsFromSlots(slots))) return false;
  // The menus show the shortcuts; they are built again with the new ones.
  menus::Rebuild();
  return true;
}

bool ShortcutText(std::uint16_t command, WideString& text) {
  text.Clear();
  const int slot = key_bindings::SlotOf(command);
  if (slot < 0) return true;
  return key_names::ShortcutText(SlotsFromTable()[slot], text);
}

}  // namespace accelerator_table
