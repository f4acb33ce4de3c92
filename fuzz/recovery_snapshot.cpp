// A recovery snapshot is bytes from disk: whatever the reader accepts must
// have the lengths it claims and write back to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "docs/recovery/recovery_snapshot.h"
#include "platform/memory_file.h"
#include "platform/target_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SnapshotHeader header;
  std::u16string text;
  if (!recovery_snapshot::Read(data, size, header, text)) return 0;
  if (recovery_snapshot::kFixedBytes + 2 * (header.path.size() + text.size()) != size) std::abort();
  byte_file::MemoryFile file;
  byte_file::MemoryTarget target(file);
  byte_file::TargetWriter sink(target);
  if (!recovery_snapshot::Write(header, {text}, sink) || !sink.Finish()) std::abort();
  if (file.bytes.size() != size || std::memcmp(file.bytes.data(), data, size) != 0) std::abort();
  return 0;
}
