#pragma once
// Byte layout shared by the settings reader and writer: a 4-byte header,
// a table of 8-byte slots, then the data runs.  All numbers little-endian.
#include <cstdint>

#include "platform/wide_string.h"

namespace settings_file {

constexpr std::uint32_t kEntryCount = 363;
constexpr std::uint16_t kFormatVersion = 1102;
constexpr std::uint32_t kHeader = kEntryCount | (std::uint32_t{kFormatVersion} << 16);
constexpr std::uint32_t kSlotBytes = 8;
constexpr std::uint32_t kTableBytes = kEntryCount * kSlotBytes;
constexpr std::uint32_t kDataStart = 4 + kTableBytes;

// A slot's first word: 0 absent, 1 inline value, anything else the file
// offset of a data run whose length is the second word.
constexpr std::uint32_t kAbsent = 0;
constexpr std::uint32_t kInline = 1;

struct Slot {
  std::uint32_t where = kAbsent;
  std::uint32_t value = 0;
};

inline std::uint32_t LoadU32(const std::uint8_t* p) {
  return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

inline void StoreU32(std::uint8_t* p, std::uint32_t value) {
  for (int k = 0; k < 4; ++k) p[k] = static_cast<std::uint8_t>(value >> (8 * k));
}

}  // namespace settings_file

// An item of the flagged list (entries 15 and 16): a favourite folder of the
// file browser and whether it is expanded at start.
struct FavouriteFolder {
  WideString path;
  bool expand_at_start = false;
};
