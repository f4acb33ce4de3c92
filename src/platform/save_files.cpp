#include "platform/save_files.h"

#include <algorithm>
#include <cstring>

namespace save_files {

bool OutputFile::Write(const void* bytes, std::size_t count) {
  const auto* from = static_cast<const unsigned char*>(bytes);
  while (count > 0 && ok_) {
    if (used_ == sizeof buffer_) Flush();
    const std::size_t part = std::min(count, sizeof buffer_ - used_);
    std::memcpy(buffer_ + used_, from, part);
    used_ += part;
    from += part;
    count -= part;
  }
  return ok_;
}

bool OutputFile::Close() {
  Flush();
  const bool closed = CloseFile();
  return ok_ && closed;
}

void OutputFile::Flush() {
  if (used_ > 0 && ok_) ok_ = WriteThrough(buffer_, used_);
  used_ = 0;
}

}  // namespace save_files
