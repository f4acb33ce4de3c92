#pragma once
// Writing a file so that it replaces the old one whole or not at all: the
// bytes go to a temporary file in the same folder, which takes the old
// file's place only once it is complete and flushed.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace byte_file {

class Target {
 public:
  virtual ~Target() = default;
  // Writes `count` bytes at `offset`; returns how many were written.
  virtual std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) = 0;
  // Flushes and puts the new bytes in place of the old file; false leaves
  // the old file as it was.  A target destroyed without a successful
  // commit leaves no trace.
  virtual bool Commit() = 0;
};

// A target that will replace `path` (which need not exist yet); null when
// the temporary file cannot be created.
std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path);

}  // namespace byte_file
