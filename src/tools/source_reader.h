#pragma once
// Sequential reading of a byte source through one buffer, with seeks, for
// parsers that look at a few fields scattered over a file. Any read that
// cannot be satisfied in full (the end of the file, a read error) stops the
// reader for good: every later read fails and gives 0, so a parser stops
// with what it has. Each fill makes progress or stops, so no input loops.
#include <cstddef>
#include <cstdint>

#include "platform/file_source.h"

class SourceReader {
 public:
  static constexpr std::size_t kCapacity = 64 * 1024;

  // buffer holds kCapacity bytes and outlives the reader.
  SourceReader(byte_file::Source& source, std::uint8_t* buffer) : source_(source), buffer_(buffer) {}
  SourceReader(const SourceReader&) = delete;
  SourceReader& operator=(const SourceReader&) = delete;

  bool Stopped() const { return stopped_; }
  std::uint64_t Position() const { return position_; }

  // Moves to a file offset; nothing is read until the next read, so a
  // position past the end stops the reader there.
  void Seek(std::uint64_t offset) { position_ = offset; }
  void Skip(std::uint64_t count) { position_ = count > UINT64_MAX - position_ ? UINT64_MAX : position_ + count; }

  bool Read(std::uint8_t* destination, std::size_t count);
  // The next byte, or false at the end.
  bool Byte(std::uint8_t& value) {
    if (position_ - start_ >= length_ && !Fill()) return false;
    value = buffer_[position_++ - start_];
    return true;
  }
  std::uint16_t Read16(bool big_endian);
  std::uint32_t Read32(bool big_endian);
  // Moves to the next byte equal to value; false when none is left.
  bool SkipTo(std::uint8_t value);

 private:
  // Makes the byte at the position available: false (and stopped) when the
  // source gives none.
  bool Fill();

  byte_file::Source& source_;
  std::uint8_t* buffer_;
  std::uint64_t start_ = 0;  // the file offset of buffer_[0]
  std::size_t length_ = 0;
  std::uint64_t position_ = 0;
  std::size_t fill_size_ = 0;
  bool stopped_ = false;
};
