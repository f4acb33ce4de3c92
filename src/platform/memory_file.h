#pragma once
// In-memory stand-ins for a file source and a replacement target: the byte
// formats are exercised on these in tests and fuzzing.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/file_replace.h"
#include "platform/file_source.h"

namespace byte_file {

class MemorySource : public Source {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override;
  bool Size(std::uint64_t* size) override;

 private:
  std::vector<std::uint8_t> bytes_;
};

// Collects what is written; `Committed` bytes are what a real target would
// have left on disk.  `FailWritesFrom` makes every write that would reach
// that offset stop there, as a full disk would.
class MemoryTarget : public Target {
 public:
  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override;
  bool Commit() override;

  void FailWritesFrom(std::uint64_t offset) { limit_ = offset; }
  bool IsCommitted() const { return committed_; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::uint64_t limit_ = UINT64_MAX;
  bool committed_ = false;
};

}  // namespace byte_file
