#include "settings/settings_writer.h"

#include <utility>

using settings_file::kEntryCount;
using settings_file::Slot;

bool SettingsWriter::Create(std::u16string_view path, std::uint32_t header) {
  // The old file is read before it is opened for writing: a file written in
  // place is open to no other reader meanwhile.
  std::unique_ptr<byte_file::Source> old_file = byte_file::OpenFileSource(path);
  if (old_file && !ReadOldFile(*old_file)) return false;
  old_file.reset();
  std::unique_ptr<byte_file::Target> target = byte_file::CreateFileReplacement(path);
  if (!target) {
    old_data_.Reset();
    carried_count_ = 0;
    return false;
  }
  return Create(nullptr, std::move(target), header);
}

bool SettingsWriter::ReadOldFile(byte_file::Source& old_file) {
  std::uint8_t header[4];
  if (old_file.ReadAt(0, header, 4) != 4) return true;  // new or empty file: nothing to carry
  const std::uint32_t old_count = settings_file::LoadU32(header) & 0xFFFF;
  const std::uint32_t count = old_count < kEntryCount ? old_count : kEntryCount;

  std::uint8_t table[settings_file::kTableBytes];
  if (old_file.ReadAt(4, table, 8 * count) != 8 * count) return true;
  std::uint64_t size = 0;
  if (!old_file.Size(&size) || size == 0) return false;

  for (std::uint32_t i = 0; i < count; ++i)
    carried_[i] = {settings_file::LoadU32(table + 8 * i), settings_file::LoadU32(table + 8 * i + 4)};
  carried_count_ = count;
  old_data_start_ = 4 + std::uint64_t{8} * old_count;
  // A file shorter than its own table, or too large for 32-bit offsets,
  // has no data area worth carrying.
  if (size <= old_data_start_ || size >= (std::uint64_t{1} << 32)) return true;
  const std::size_t old_size = static_cast<std::size_t>(size - old_data_start_);
  if (old_data_.Allocate(old_size) && old_file.ReadAt(old_data_start_, old_data_.Data(), old_size) != old_size)
    old_data_.Reset();
  return true;
}

bool SettingsWriter::Create(std::unique_ptr<byte_file::Source> old_file, std::unique_ptr<byte_file::Target> target,
                            std::uint32_t header) {
  if (!target || target_) return false;
  if (old_file && !ReadOldFile(*old_file)) return false;
  old_file.reset();

  // Old inline slots stand as they are until this run overwrites them; old
  // runs start absent and come back only when they are carried over.
  std::uint8_t start[settings_file::kDataStart] = {};
  settings_file::StoreU32(start, header);
  for (std::uint32_t i = 0; i < carried_count_; ++i) {
    if (carried_[i].where != settings_file::kInline) continue;
    settings_file::StoreU32(start + 4 + 8 * i, settings_file::kInline);
    settings_file::StoreU32(start + 8 + 8 * i, carried_[i].value);
  }
  target_ = std::move(target);
  valid_ = target_->WriteAt(0, start, sizeof start) == sizeof start;
  write_position_ = settings_file::kDataStart;
  return valid_;
}

void SettingsWriter::WriteSlot(std::uint32_t i, std::uint32_t where, std::uint32_t value) {
  if (!valid_ || i >= kEntryCount) return;
  std::uint8_t slot[8];
  settings_file::StoreU32(slot, where);
  settings_file::StoreU32(slot + 4, value);
  if (target_->WriteAt(4 + std::uint64_t{8} * i, slot, 8) != 8) failed_ = true;
  carried_[i] = {};
}

void SettingsWriter::WriteRun(std::uint32_t i, const std::uint8_t* bytes, std::size_t length) {
  if (!valid_ || i >= kEntryCount) return;
  if (length == 0) return WriteSlot(i, settings_file::kAbsent, 0);
  const bool fits = write_position_ + length < (std::uint64_t{1} << 32);
  if (fits && target_->WriteAt(write_position_, bytes, length) == length) {
    WriteSlot(i, static_cast<std::uint32_t>(write_position_), static_cast<std::uint32_t>(length));
    write_position_ += length;
    return;
  }
  FailRun(i);
}

void SettingsWriter::FailRun(std::uint32_t i) {
  // The slot must not point at bytes the next run will occupy.
  WriteSlot(i, settings_file::kAbsent, 0);
  failed_ = true;
}

void SettingsWriter::WriteInt(std::uint32_t i, std::int32_t value) {
  WriteSlot(i, settings_file::kInline, static_cast<std::uint32_t>(value));
}

void SettingsWriter::WriteBytes(std::uint32_t i, const void* bytes, std::uint32_t length) {
  WriteRun(i, static_cast<const std::uint8_t*>(bytes), length);
}

namespace {

void PutUnits(std::uint8_t*& out, std::u16string_view text) {
  for (char16_t unit : text) {
    *out++ = static_cast<std::uint8_t>(unit);
    *out++ = static_cast<std::uint8_t>(unit >> 8);
  }
}

}  // namespace

void SettingsWriter::WriteString(std::uint32_t i, std::u16string_view text) {
  heap::Block run;
  if (text.empty()) return WriteRun(i, nullptr, 0);
  if (!run.Allocate(2 * text.size())) return FailRun(i);
  std::uint8_t* out = run.Data();
  PutUnits(out, text);
  WriteRun(i, run.Data(), run.Size());
}

void SettingsWriter::WriteStringList(std::uint32_t i, const std::vector<WideString>& list) {
  std::uint64_t bytes = 0;
  for (const WideString& item : list)
    if (!item.Empty()) bytes += 2 * (std::uint64_t{item.Length()} + 1);
  if (bytes == 0) return WriteRun(i, nullptr, 0);
  heap::Block run;
  if (bytes >= (std::uint64_t{1} << 32) || !run.Allocate(static_cast<std::size_t>(bytes)))
    return FailRun(i);
  std::uint8_t* out = run.Data();
  for (const WideString& item : list) {
    if (item.Empty()) continue;
    PutUnits(out, item.View());
    PutUnits(out, std::u16string_view(u"", 1));
  }
  WriteRun(i, run.Data(), run.Size());
}

void SettingsWriter::WriteFlaggedList(const std::vector<FavouriteFolder>& list) {
  std::vector<WideString> paths;
  std::vector<std::uint8_t> flags;
  // Empty paths are dropped from both entries alike, so that the flags stay
  // paired with their folders.
  for (const FavouriteFolder& folder : list) {
    if (folder.path.Empty()) continue;
    WideString path;
    path.Assign(folder.path.View());
    paths.push_back(std::move(path));
    flags.push_back(folder.expand_at_start ? 1 : 0);
  }
  WriteStringList(15, paths);
  WriteRun(16, flags.data(), flags.size());
}

void SettingsWriter::CarryOver() {
  for (std::uint32_t i = 0; i < carried_count_; ++i) {
    const Slot slot = carried_[i];
    if (slot.where <= settings_file::kInline) continue;
    // Offsets come from the old file: only runs wholly inside its data area.
    if (slot.where < old_data_start_) continue;
    const std::uint64_t start = slot.where - old_data_start_;
    if (start + slot.value > old_data_.Size() || slot.value == 0) continue;
    WriteRun(i, old_data_.Data() + start, slot.value);
  }
}

bool SettingsWriter::Close() {
  bool committed = false;
  if (valid_) {
    if (!old_data_.Empty()) CarryOver();
    committed = !failed_ && target_->Commit();
  }
  target_.reset();
  old_data_.Reset();
  for (Slot& slot : carried_) slot = {};
  carried_count_ = 0;
  valid_ = false;
  failed_ = false;
  return committed;
}
