#include "settings/settings_reader.h"

#include <utility>

using settings_file::Slot;

namespace {

char16_t UnitAt(const std::uint8_t* bytes, std::size_t unit) {
  return static_cast<char16_t>(bytes[2 * unit] | (bytes[2 * unit + 1] << 8));
}

// UTF-16LE units into `out`; false when the string could not grow.
bool AssignUnits(WideString& out, const std::uint8_t* bytes, std::size_t units) {
  if (!out.Reserve(static_cast<std::uint32_t>(units))) return false;
  for (std::size_t k = 0; k < units; ++k) out.Data()[k] = UnitAt(bytes, k);
  out.SetLength(static_cast<std::uint32_t>(units));
  return true;
}

// Calls `each(text_start, units)` for every string of a list run, empty ones
// included so that entry 16's flags keep their positions.  A string runs to
// the next 0x0000 or to the end of the run; an odd last byte is ignored.
template <class Each>
void ForEachListItem(const std::uint8_t* bytes, std::size_t length, Each each) {
  const std::size_t units = length / 2;
  std::size_t start = 0;
  while (start < units) {
    std::size_t end = start;
    while (end < units && UnitAt(bytes, end) != 0) ++end;
    each(bytes + 2 * start, end - start);
    start = end + 1;
  }
}

}  // namespace

bool SettingsReader::Open(std::u16string_view path) { return Open(byte_file::OpenFileSource(path)); }

bool SettingsReader::Open(std::unique_ptr<byte_file::Source> source) {
  Close();
  if (!source) return false;
  source_ = std::move(source);

  std::uint8_t header[4];
  if (source_->ReadAt(0, header, 4) != 4) return false;
  const std::uint32_t word = settings_file::LoadU32(header);
  version_ = static_cast<std::uint16_t>(word >> 16);
  const std::uint32_t stored_count = word & 0xFFFF;
  const std::uint32_t count = stored_count > settings_file::kEntryCount ? settings_file::kEntryCount : stored_count;

  if (!table_.Allocate(std::size_t{8} * count)) return false;
  if (source_->ReadAt(4, table_.Data(), table_.Size()) != table_.Size()) return false;
  count_ = count;

  std::uint64_t size = 0;
  if (!source_->Size(&size) || size >= (std::uint64_t{1} << 32)) size = 0;
  if (size == 0) return false;
  file_size_ = size;
  // With a larger stored count the table really ends later; the bound is
  // still taken from the slots in use, while run offsets stay absolute.
  data_size_ = static_cast<std::int64_t>(size) - 8 * std::int64_t{count} - 4;
  valid_ = true;
  return true;
}

void SettingsReader::Close() {
  source_.reset();
  table_.Reset();
  count_ = 0;
  version_ = 0;
  valid_ = false;
  file_size_ = 0;
  data_size_ = 0;
}

Slot SettingsReader::SlotAt(std::uint32_t i) const {
  if (!valid_ || i >= count_) return {};
  const std::uint8_t* p = table_.Data() + std::size_t{8} * i;
  return {settings_file::LoadU32(p), settings_file::LoadU32(p + 4)};
}

std::int32_t SettingsReader::ReadInt(std::uint32_t i, std::int32_t fallback) const {
  const Slot slot = SlotAt(i);
  return slot.where == settings_file::kInline ? static_cast<std::int32_t>(slot.value) : fallback;
}

bool SettingsReader::ReadBool(std::uint32_t i, bool fallback) const {
  const Slot slot = SlotAt(i);
  return slot.where == settings_file::kInline ? (slot.value & 1) != 0 : fallback;
}

bool SettingsReader::HasReadableRun(std::uint32_t i) const {
  const Slot slot = SlotAt(i);
  if (slot.where <= settings_file::kInline) return false;
  return std::int64_t{slot.value} <= data_size_ && std::uint64_t{slot.where} + slot.value <= file_size_;
}

std::uint32_t SettingsReader::ReadBytes(std::uint32_t i, void* buffer, std::uint32_t capacity) const {
  if (!HasReadableRun(i)) return 0;
  const Slot slot = SlotAt(i);
  if (!buffer || capacity < slot.value) return slot.value;
  return source_->ReadAt(slot.where, buffer, slot.value) == slot.value ? slot.value : 0;
}

bool SettingsReader::ReadRun(std::uint32_t i, heap::Block& block) const {
  const std::uint32_t length = ReadBytes(i, nullptr, 0);
  if (length == 0 || !block.Allocate(length)) return false;
  if (ReadBytes(i, block.Data(), length) == length) return true;
  block.Reset();
  return false;
}

int SettingsReader::ReadString(std::uint32_t i, WideString& out) const {
  out.Clear();
  if (!valid_ || i >= count_) return kNotAvailable;
  heap::Block run;
  if (ReadRun(i, run)) AssignUnits(out, run.Data(), run.Size() / 2);
  return kAvailable;
}

void SettingsReader::ReadStringList(std::uint32_t i, std::vector<WideString>& list) const {
  heap::Block run;
  if (!ReadRun(i, run)) return;
  // An empty item would match every name without an extension; the writer
  // never stores one, so it can only come from a damaged file.
  ForEachListItem(run.Data(), run.Size(), [&](const std::uint8_t* text, std::size_t units) {
    WideString item;
    if (units && AssignUnits(item, text, units)) list.push_back(std::move(item));
  });
}

void SettingsReader::ReadFlaggedList(std::vector<FavouriteFolder>& list) const {
  constexpr std::uint32_t kItems = 15, kFlags = 16;
  if (!valid_ || count_ <= kItems) return;
  heap::Block items;
  if (!ReadRun(kItems, items)) return;
  heap::Block flags;
  std::uint32_t flag_count = 0;
  if (flags.Allocate(items.Size())) flag_count = ReadBytes(kFlags, flags.Data(), static_cast<std::uint32_t>(items.Size()));
  if (flag_count > items.Size()) flag_count = 0;  // longer than entry 15's run: a size answer, not flags

  std::size_t position = 0;
  ForEachListItem(items.Data(), items.Size(), [&](const std::uint8_t* text, std::size_t units) {
    const bool flag = position < flag_count && flags.Data()[position] != 0;
    ++position;
    FavouriteFolder folder;
    if (units && AssignUnits(folder.path, text, units)) {
      folder.expand_at_start = flag;
      list.push_back(std::move(folder));
    }
  });
}
