// Entry 20 from a settings file anyone can edit: reading its records and
// the slots they give must stay in bounds, keep at most one record per
// slot and only Ctrl and Shift in a slot, and what is written back must
// read as the same table and the same slots.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "settings/key_bindings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy so that the sanitizer sees any read past the end.
  const std::vector<std::uint8_t> stored(data, data + size);
  const key_bindings::AcceleratorRecords records = key_bindings::StartingRecords(stored);
  if (records.size() > key_bindings::kSlotCount) std::abort();
  const key_bindings::BindingSlots slots = key_bindings::SlotsFromRecords(records);
  for (const key_bindings::BindingSlot& slot : slots)
    if (slot.modifiers != 1 && slot.modifiers != 5 && slot.modifiers != 9 && slot.modifiers != 13) std::abort();
  if (key_bindings::SlotsFromRecords(key_bindings::RecordsFromSlots(slots)) != slots) std::abort();
  if (key_bindings::StartingRecords(key_bindings::BytesFromRecords(records)) != records) std::abort();
  return 0;
}
