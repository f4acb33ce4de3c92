#include "settings/key_bindings.h"

#include <algorithm>


namespace key_bindings {
namespace {

constexpr std::uint8_t kSlotModifiers = kVirtualKey | kShift | kControl;

std::uint16_t LoadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

void StoreU16(std::uint8_t* p, std::uint16_t value) {
  p[0] = static_cast<std::uint8_t>(value);
  p[1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

std::uint16_t SlotCommand(int slot) { return command_catalogue::Slot(slot).id; }

int SlotOf(std::uint16_t command) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (SlotCommand(slot) == command) return slot;
  return -1;
}

BindingSlots UnboundSlots() {
  BindingSlots slots;
  for (int slot = 0; slot < kSlotCount; ++slot) slots[slot].command = SlotCommand(slot);
  return slots;
}

BindingSlots DefaultSlots() {
  BindingSlots slots = UnboundSlots();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const command_catalogue::Command& entry = command_catalogue::Slot(slot);
    if (entry.default_key == 0) continue;
    slots[slot].modifiers = entry.default_modifiers;
    slots[slot].key = entry.default_key;
  }
  return slots;
}

AcceleratorRecords RecordsFromBytes(std::span<const std::uint8_t> bytes) {
  const std::size_t count = std::min<std::size_t>(bytes.size() / kRecordBytes, kSlotCount);
  AcceleratorRecords records(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* p = bytes.data() + i * kRecordBytes;
    // p[1] is padding.
    records[i] = {p[0], LoadU16(p + 2), LoadU16(p + 4)};
  }
  return records;
}

std::vector<std::uint8_t> BytesFromRecords(std::span<const AcceleratorRecord> records) {
  const AcceleratorRecord keyless = {kVirtualKey, 0, SlotCommand(0)};
  if (records.empty()) records = {&keyless, 1};
  std::vector<std::uint8_t> bytes(records.size() * kRecordBytes, 0);
  for (std::size_t i = 0; i < records.size(); ++i) {
    std::uint8_t* p = bytes.data() + i * kRecordBytes;
    p[0] = records[i].flags;
    StoreU16(p + 2, records[i].key);
    StoreU16(p + 4, records[i].command);
  }
  return bytes;
}

BindingSlots SlotsFromRecords(std::span<const AcceleratorRecord> records) {
  BindingSlots slots = UnboundSlots();
  for (BindingSlot& slot : slots) {
    const auto found = std::find_if(records.begin(), records.end(),
                                    [&](const AcceleratorRecord& r) { return r.command == slot.command; });
    if (found == records.end()) continue;
    // Alt and the other flags have no place in a slot; a record without
    // the virtual-key bit is read as a virtual key all the same.
    slot.modifiers = (found->flags & kSlotModifiers) | kVirtualKey;
    slot.key = found->key & 0xFF;
    if (!slot.Bound()) slot.modifiers = kVirtualKey;
  }
  return slots;
}

AcceleratorRecords RecordsFromSlots(const BindingSlots& slots) {
  AcceleratorRecords records;
  for (const BindingSlot& slot : slots)
    if (slot.Bound()) records.push_back({slot.modifiers, slot.key, slot.command});
  return records;
}

AcceleratorRecords StartingRecords(std::span<const std::uint8_t> stored) {
  AcceleratorRecords records = RecordsFromBytes(stored);
  if (records.empty()) return RecordsFromSlots(DefaultSlots());
  std::erase_if(records, [](const AcceleratorRecord& r) { return r.key == 0; });
  return records;
}

}  // namespace key_bindings
