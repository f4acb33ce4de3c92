#include "platform/target_writer.h"

#include <algorithm>
#include <cstring>

namespace byte_file {

TargetWriter::TargetWriter(Target& target) : target_(target) { buffer_.Allocate(256 * 1024); }

bool TargetWriter::Write(const void* bytes, std::size_t count) {
  if (buffer_.Empty()) {
    WriteThrough(bytes, count);
    return ok_;
  }
  const auto* from = static_cast<const unsigned char*>(bytes);
  while (count > 0 && ok_) {
    if (used_ == buffer_.Size()) Flush();
    const std::size_t part = std::min(count, buffer_.Size() - used_);
    std::memcpy(buffer_.Data() + used_, from, part);
    used_ += part;
    from += part;
    count -= part;
  }
  return ok_;
}

bool TargetWriter::Finish() {
  Flush();
  return ok_;
}

void TargetWriter::Flush() {
  WriteThrough(buffer_.Data(), used_);
  used_ = 0;
}

void TargetWriter::WriteThrough(const void* bytes, std::size_t count) {
  if (count == 0 || !ok_) return;
  ok_ = target_.WriteAt(offset_, bytes, count) == count;
  offset_ += count;
}

}  // namespace byte_file
