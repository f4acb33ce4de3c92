#pragma once
// Reads the settings file once at start-up.  Every read falls back quietly:
// a missing, short or damaged file gives defaults, never an error.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/file_source.h"
#include "platform/heap_block.h"
#include "platform/wide_string.h"
#include "settings/settings_file.h"

class SettingsReader {
 public:
  // ReadString's answers.
  static constexpr int kNotAvailable = 0;
  static constexpr int kAvailable = 1;

  // Reads header and table; true when the reader is Valid.  A file that
  // cannot be opened gives a reader that is not Valid.
  bool Open(std::u16string_view path);
  bool Open(std::unique_ptr<byte_file::Source> source);
  void Close();

  bool Valid() const { return valid_; }
  std::uint32_t Count() const { return count_; }
  std::uint16_t Version() const { return version_; }

  // The slot's value when it is an inline entry, otherwise `fallback`.
  std::int32_t ReadInt(std::uint32_t i, std::int32_t fallback) const;
  bool ReadBool(std::uint32_t i, bool fallback) const;
  // Empties `out`; kNotAvailable when the file lacks entry i (the caller's
  // default applies), else kAvailable with the string when it could be read.
  int ReadString(std::uint32_t i, WideString& out) const;
  // The run's length when `buffer` is null or smaller than the run; else
  // the bytes read (0 for no readable run or a short read).
  std::uint32_t ReadBytes(std::uint32_t i, void* buffer, std::uint32_t capacity) const;
  // Appends the non-empty strings of the run.
  void ReadStringList(std::uint32_t i, std::vector<WideString>& list) const;
  // Appends entry 15's strings with entry 16's flags.
  void ReadFlaggedList(std::vector<FavouriteFolder>& list) const;

  // True when slot i is a data run that lies inside the file.
  bool HasReadableRun(std::uint32_t i) const;

 private:
  settings_file::Slot SlotAt(std::uint32_t i) const;
  // Reads the whole run of entry i into `block`; false when unreadable.
  bool ReadRun(std::uint32_t i, heap::Block& block) const;

  std::unique_ptr<byte_file::Source> source_;
  std::uint32_t count_ = 0;
  std::uint16_t version_ = 0;
  heap::Block table_;
  bool valid_ = false;
  std::uint64_t file_size_ = 0;
  std::int64_t data_size_ = 0;
};
