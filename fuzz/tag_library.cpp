// Arbitrary bytes as a tag library file: reading must stay in bounds, and
// writing what was read, reading that back and writing again must give the
// same bytes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/memory_file.h"
#include "round_trip.h"
#include "tools/tag_library_reader.h"
#include "tools/tag_library_writer.h"

namespace {

std::vector<std::uint8_t> LoadAndSave(std::span<const std::uint8_t> file) {
  byte_file::MemorySource source(file);
  TagLibrary library;
  // A memory source is always read to its end; only memory can run out.
  LoadTagLibrary(source, library);
  byte_file::MemoryFile saved;
  byte_file::MemoryTarget target(saved);
  LinkedLibraryWalk walk(library);
  if (!SaveTagLibrary(walk, target) || !saved.committed) std::abort();
  return saved.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return CheckRoundTrip(data, size, LoadAndSave);
}
