#pragma once
// A recovery snapshot: what is needed to bring back one modified document
// after the program was killed or the session ended.  The bytes are the
// program's own, portable format (little-endian):
//
//   "VRNDRCV1"                       8 bytes
//   path length, encoding, line-break style, caret line   4 x u32
//   file time, file size (when loaded), text length       3 x u64
//   path, then text                  UTF-16 units, lines joined by line feeds
//   "END!"                           4 bytes
//
// A snapshot is read from disk, so the reader takes any bytes and accepts
// only a block whose lengths add up exactly and whose values are in range.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_sink.h"

struct SnapshotHeader {
  std::u16string path;  // empty for an untitled document
  std::uint32_t encoding = 0;     // EncodingId 0-6
  std::uint32_t line_breaks = 0;  // LineBreakStyle 0-2
  std::int32_t caret_line = 0;
  std::uint64_t file_time = 0;  // the file's last-write time when loaded
  std::uint64_t file_size = 0;  // and its size then
};

namespace recovery_snapshot {

inline constexpr std::size_t kFixedBytes = 8 + 4 * 4 + 3 * 8 + 4;
// Paths longer than this are not paths the program opens.
inline constexpr std::uint32_t kMaxPathUnits = 32767;

// Header and text (given in pieces, written one after another) to the
// sink; false when a write fell short or a value is out of range.
bool Write(const SnapshotHeader& header, const std::vector<std::u16string_view>& text, ByteSink& sink);

// A whole snapshot from bytes; false, header and text untouched, for
// anything else.
bool Read(const std::uint8_t* bytes, std::size_t size, SnapshotHeader& header, std::u16string& text);

}  // namespace recovery_snapshot
