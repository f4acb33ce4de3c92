#include "platform/memory_file.h"

#include <algorithm>
#include <cstring>

namespace byte_file {

std::size_t MemorySource::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) {
  if (offset >= bytes_.size()) return 0;
  const std::size_t n = std::min<std::uint64_t>(count, bytes_.size() - offset);
  if (n) std::memcpy(buffer, bytes_.data() + offset, n);
  return n;
}

bool MemorySource::Size(std::uint64_t* size) {
  *size = bytes_.size();
  return true;
}

std::size_t MemoryTarget::WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) {
  if (offset >= file_.fail_from) return 0;
  const std::size_t n = std::min<std::uint64_t>(count, file_.fail_from - offset);
  if (n == 0) return 0;
  if (file_.bytes.size() < offset + n) file_.bytes.resize(offset + n);
  std::memcpy(file_.bytes.data() + offset, bytes, n);
  return n;
}

bool MemoryTarget::Commit() {
  file_.committed = true;
  return true;
}

}  // namespace byte_file
