#include "docs/recovery/recovery_snapshot.h"

#include <bit>
#include <cstring>
#include <utility>

#include "platform/encoding.h"

static_assert(std::endian::native == std::endian::little, "snapshots are written as the machine holds them");

namespace recovery_snapshot {
namespace {

constexpr char kMagic[8] = {'V', 'R', 'N', 'D', 'R', 'C', 'V', '1'};
constexpr char kEnd[4] = {'E', 'N', 'D', '!'};

template <typename T>
void Put(unsigned char*& out, T value) {
  std::memcpy(out, &value, sizeof value);
  out += sizeof value;
}

template <typename T>
T Take(const std::uint8_t*& in) {
  T value;
  std::memcpy(&value, in, sizeof value);
  in += sizeof value;
  return value;
}

bool ValuesInRange(std::uint64_t path_units, std::uint32_t encoding, std::uint32_t line_breaks, std::int32_t caret) {
  return path_units <= kMaxPathUnits && encoding <= kSingleByte && line_breaks <= kCr && caret >= 0;
}

}  // namespace

bool Write(const SnapshotHeader& header, const std::vector<std::u16string_view>& text, ByteSink& sink) {
  if (!ValuesInRange(header.path.size(), header.encoding, header.line_breaks, header.caret_line)) return false;
  unsigned char fixed[kFixedBytes - 4];
  unsigned char* out = fixed;
  std::memcpy(out, kMagic, sizeof kMagic);
  out += sizeof kMagic;
  Put(out, static_cast<std::uint32_t>(header.path.size()));
  Put(out, header.encoding);
  Put(out, header.line_breaks);
  Put(out, header.caret_line);
  Put(out, header.file_time);
  Put(out, header.file_size);
  std::uint64_t units = 0;
  for (std::u16string_view piece : text) units += piece.size();
  Put(out, units);
  if (!sink.Write(fixed, sizeof fixed) || !sink.Write(header.path.data(), header.path.size() * 2)) return false;
  for (std::u16string_view piece : text)
    if (!sink.Write(piece.data(), piece.size() * 2)) return false;
  return sink.Write(kEnd, sizeof kEnd);
}

bool Read(const std::uint8_t* bytes, std::size_t size, SnapshotHeader& header, std::u16string& text) {
  if (!bytes || size < kFixedBytes || std::memcmp(bytes, kMagic, sizeof kMagic) != 0) return false;
  const std::uint8_t* in = bytes + sizeof kMagic;
  const auto path_units = Take<std::uint32_t>(in);
  const auto encoding = Take<std::uint32_t>(in);
  const auto line_breaks = Take<std::uint32_t>(in);
  const auto caret_line = Take<std::int32_t>(in);
  const auto file_time = Take<std::uint64_t>(in);
  const auto file_size = Take<std::uint64_t>(in);
  const auto text_units = Take<std::uint64_t>(in);
  if (!ValuesInRange(path_units, encoding, line_breaks, caret_line)) return false;
  // Lengths checked by division, so that no sum can wrap.
  const std::size_t variable = size - kFixedBytes;
  if (variable % 2 != 0 || text_units > variable / 2 || variable / 2 - text_units != path_units) return false;
  if (std::memcmp(bytes + size - sizeof kEnd, kEnd, sizeof kEnd) != 0) return false;
  std::u16string path(path_units, u'\0'), body;
  std::memcpy(path.data(), in, path_units * 2);
  in += path_units * 2;
  if (path.find(u'\0') != std::u16string::npos) return false;
  body.resize(static_cast<std::size_t>(text_units));
  std::memcpy(body.data(), in, body.size() * 2);
  header = {std::move(path), encoding, line_breaks, caret_line, file_time, file_size};
  text = std::move(body);
  return true;
}

}  // namespace recovery_snapshot
