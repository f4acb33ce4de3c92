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

// What a memory target leaves behind: the bytes written and whether they
// were committed (what a real target would then have put in place).
// Writes that would reach `fail_from` stop there, as on a full disk.
struct MemoryFile {
  std::vector<std::uint8_t> bytes;
  bool committed = false;
  std::uint64_t fail_from = UINT64_MAX;
};

class MemoryTarget : public Target {
 public:
  explicit MemoryTarget(MemoryFile& file) : file_(file) {}
  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override;
  bool Commit() override;

 private:
  MemoryFile& file_;
};

}  // namespace byte_file
