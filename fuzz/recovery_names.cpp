// The names in the recovery folder come from the disk: a name the parsers
// accept must be exactly the name the program would give its owner.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "docs/recovery/recovery_names.h"
#include "platform/file_replace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string name(size / 2, u'\0');
  if (!name.empty()) std::memcpy(name.data(), data, name.size() * 2);
  std::u16string token;
  std::uint32_t serial = 0;
  if (recovery_names::ParseSnapshotName(name, token, serial) && recovery_names::SnapshotName(token, serial) != name)
    std::abort();
  std::u16string owner;
  if (recovery_names::ParseSnapshotTemporaryName(name, owner)) {
    if (!byte_file::IsTemporaryName(name) || name.rfind(owner + u"-", 0) != 0) std::abort();
  }
  return 0;
}
