#include "tools/source_reader.h"

#include <algorithm>
#include <cstring>

namespace {
// After a seek elsewhere only a little is read: a parser skipping over
// segments looks at their first few bytes. Reading on doubles the fill.
constexpr std::size_t kFirstFill = 256;
}  // namespace

bool SourceReader::Fill() {
  if (stopped_) return false;
  if (position_ - start_ < length_) return true;
  const bool reading_on = length_ > 0 && position_ == start_ + length_;
  fill_size_ = reading_on ? std::min(fill_size_ * 2, kCapacity) : kFirstFill;
  start_ = position_;
  length_ = std::min(source_.ReadAt(position_, buffer_, fill_size_), fill_size_);
  if (length_ > 0) return true;
  stopped_ = true;
  return false;
}

bool SourceReader::Read(std::uint8_t* destination, std::size_t count) {
  while (count > 0) {
    if (!Fill()) return false;
    const std::size_t offset = static_cast<std::size_t>(position_ - start_);
    const std::size_t take = std::min(count, length_ - offset);
    std::memcpy(destination, buffer_ + offset, take);
    destination += take;
    count -= take;
    position_ += take;
  }
  return true;
}

std::uint16_t SourceReader::Read16(bool big_endian) {
  std::uint8_t bytes[2];
  if (!Read(bytes, 2)) return 0;
  return static_cast<std::uint16_t>(big_endian ? bytes[0] << 8 | bytes[1] : bytes[1] << 8 | bytes[0]);
}

std::uint32_t SourceReader::Read32(bool big_endian) {
  const std::uint32_t first = Read16(big_endian);
  const std::uint32_t second = Read16(big_endian);
  if (stopped_) return 0;
  return big_endian ? first << 16 | second : second << 16 | first;
}

bool SourceReader::SkipTo(std::uint8_t value) {
  while (Fill()) {
    const std::size_t offset = static_cast<std::size_t>(position_ - start_);
    const void* found = std::memchr(buffer_ + offset, value, length_ - offset);
    if (found) {
      position_ = start_ + static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - buffer_);
      return true;
    }
    position_ = start_ + length_;
  }
  return false;
}
