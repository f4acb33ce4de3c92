#pragma once
// Builds settings files byte by byte for tests, and runs the reader and
// writer over memory.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/memory_file.h"
#include "settings/settings_file.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

namespace settings_bytes {

using Bytes = std::vector<std::uint8_t>;

// Where a file of this version's entry count has its first data run.
inline constexpr std::uint32_t kTableEnd = settings_file::kDataStart;

// A file with `count` slots; runs are appended after the table in the order
// they are added.
class FileBuilder {
 public:
  explicit FileBuilder(std::uint32_t count = settings_file::kEntryCount, std::uint16_t version = 1102);
  FileBuilder& Slot(std::uint32_t i, std::uint32_t where, std::uint32_t value);
  FileBuilder& Int(std::uint32_t i, std::int32_t value) { return Slot(i, 1, static_cast<std::uint32_t>(value)); }
  FileBuilder& Run(std::uint32_t i, const Bytes& bytes);
  FileBuilder& String(std::uint32_t i, std::u16string_view text);
  // Bytes appended after the data without any slot pointing at them.
  FileBuilder& Tail(const Bytes& bytes);
  Bytes Build() const { return bytes_; }

 private:
  Bytes bytes_;
};

Bytes Utf16(std::u16string_view text);
std::uint32_t U32At(const Bytes& file, std::size_t offset);
// Slot i of a file as {where, value}.
std::pair<std::uint32_t, std::uint32_t> SlotOf(const Bytes& file, std::uint32_t i);
// The bytes of slot i's run (empty when it is not a data entry).
Bytes RunOf(const Bytes& file, std::uint32_t i);

bool OpenReader(SettingsReader& reader, const Bytes& file);

struct WriteResult {
  bool valid = false;
  bool committed = false;
  Bytes bytes;
};
// Runs a writer over `old_file` (none when null) into memory.
WriteResult Write(const Bytes* old_file, const std::function<void(SettingsWriter&)>& write,
                  std::uint64_t fail_from = UINT64_MAX);

}  // namespace settings_bytes
