#pragma once
// Writes the settings file once at shutdown.  The new file is built beside
// the old one and replaces it only when complete; data runs of the old file
// that this run does not write, and inline slots it does not touch, are
// carried over.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/file_replace.h"
#include "platform/file_source.h"
#include "platform/heap_block.h"
#include "platform/wide_string.h"
#include "settings/settings_file.h"

class SettingsWriter {
 public:
  SettingsWriter() = default;
  SettingsWriter(const SettingsWriter&) = delete;
  SettingsWriter& operator=(const SettingsWriter&) = delete;
  // Without Close the old file stays as it was.
  ~SettingsWriter() = default;

  // Reads what the old file at `path` holds and starts the new file with
  // `header` and the table; true when the writer is Valid.
  bool Create(std::u16string_view path, std::uint32_t header);
  // The same over any old file (null: none) and any target.
  bool Create(std::unique_ptr<byte_file::Source> old_file, std::unique_ptr<byte_file::Target> target,
              std::uint32_t header);
  bool Valid() const { return valid_; }

  void WriteInt(std::uint32_t i, std::int32_t value);
  void WriteBool(std::uint32_t i, bool value) { WriteInt(i, value ? 1 : 0); }
  // An empty string or run is stored as an absent slot.
  void WriteString(std::uint32_t i, std::u16string_view text);
  void WriteBytes(std::uint32_t i, const void* bytes, std::uint32_t length);
  void WriteStringList(std::uint32_t i, const std::vector<WideString>& list);
  void WriteFlaggedList(const std::vector<FavouriteFolder>& list);

  // Carries over the old runs and puts the new file in place of the old
  // one.  True when it did; false leaves the old file untouched (nothing
  // could be written, or some write failed part-way).
  bool Close();

 private:
  bool ReadOldFile(byte_file::Source& old_file);
  void WriteSlot(std::uint32_t i, std::uint32_t where, std::uint32_t value);
  void WriteRun(std::uint32_t i, const std::uint8_t* bytes, std::size_t length);
  void FailRun(std::uint32_t i);
  void CarryOver();

  std::unique_ptr<byte_file::Target> target_;
  // The old file's slots still to be carried over; a slot written during
  // this run is marked absent here.
  settings_file::Slot carried_[settings_file::kEntryCount] = {};
  std::uint32_t carried_count_ = 0;
  std::uint64_t old_data_start_ = 0;
  heap::Block old_data_;
  std::uint64_t write_position_ = 0;
  bool valid_ = false;
  bool failed_ = false;
};
