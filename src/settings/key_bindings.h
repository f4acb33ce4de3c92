#pragma once
// Key bindings: the bindable commands in their fixed order, each with at
// most one key plus Ctrl and Shift, and the accelerator records that carry
// them in the system's table and in entry 20 of the settings file.  Entry
// 20 is outside bytes: records are read byte by byte and bounded.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "commands/command_catalogue.h"

namespace key_bindings {

inline constexpr int kSlotCount = command_catalogue::kSlotCount;
inline constexpr int kFirstQuickTagSlot = command_catalogue::kFirstQuickTagSlot;
inline constexpr int kQuickTagSlots = command_ids::kQuickTagSlots;
inline constexpr int kFirstToolSlot = command_catalogue::kFirstToolSlot;
inline constexpr int kToolSlots = command_ids::kToolSlots;
inline constexpr std::size_t kRecordBytes = 6;

// Accelerator flags; a slot always carries the virtual-key bit.
inline constexpr std::uint8_t kVirtualKey = command_catalogue::kVirtualKey;
inline constexpr std::uint8_t kShift = command_catalogue::kShift;
inline constexpr std::uint8_t kControl = command_catalogue::kControl;

inline constexpr std::uint16_t kCapsLock = command_catalogue::kCapsLock;

struct BindingSlot {
  std::uint8_t modifiers = kVirtualKey;  // 1, 5 (Shift), 9 (Ctrl) or 13 (Ctrl+Shift)
  std::uint16_t key = 0;                 // virtual key; 0: the command has no key
  std::uint16_t command = 0;
  bool Bound() const { return key != 0; }
  bool operator==(const BindingSlot&) const = default;
};
using BindingSlots = std::array<BindingSlot, kSlotCount>;

// One record of an accelerator table, as the system keeps it.
struct AcceleratorRecord {
  std::uint8_t flags = 0;
  std::uint16_t key = 0;
  std::uint16_t command = 0;
  bool operator==(const AcceleratorRecord&) const = default;
};
using AcceleratorRecords = std::vector<AcceleratorRecord>;

std::uint16_t SlotCommand(int slot);
// The slot of a bindable command; -1 for any other command.
int SlotOf(std::uint16_t command);

// Every command without a key.
BindingSlots UnboundSlots();
// The keys a first run starts with.
BindingSlots DefaultSlots();

// Whole records of entry 20, at most one per slot: a longer entry is cut
// to its first kSlotCount records rather than dropped.
AcceleratorRecords RecordsFromBytes(std::span<const std::uint8_t> bytes);
// Entry 20 for the records.  No records at all are written as one record
// without a key, because an empty entry would bring the defaults back.
std::vector<std::uint8_t> BytesFromRecords(std::span<const AcceleratorRecord> records);

// Each slot takes the first record of its command, with only Ctrl and
// Shift kept; a slot without a record has no key.
BindingSlots SlotsFromRecords(std::span<const AcceleratorRecord> records);
// One record per slot with a key, in slot order.
AcceleratorRecords RecordsFromSlots(const BindingSlots& slots);

// The table a run starts with: entry 20's records as stored (keyless ones
// left out), or the default keys when the entry holds none.
AcceleratorRecords StartingRecords(std::span<const std::uint8_t> stored);

}  // namespace key_bindings
