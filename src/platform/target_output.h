#pragma once
// An output file whose gathered writes go to a replacement target, so that
// formats written piece by piece reach the disk in large blocks and still
// replace the old file whole or not at all.
#include <cstdint>

#include "platform/file_replace.h"
#include "platform/save_files.h"

namespace byte_file {

class TargetOutput final : public save_files::OutputFile {
 public:
  explicit TargetOutput(Target& target) : target_(target) {}

  // Close, then the target's commit; false (nothing committed) when any
  // write fell short.
  bool CloseAndCommit() { return Close() && target_.Commit(); }

 protected:
  bool WriteThrough(const void* bytes, std::size_t count) override;
  // The commit is the caller's decision, made only after every write.
  bool CloseFile() override { return true; }

 private:
  Target& target_;
  std::uint64_t position_ = 0;
};

}  // namespace byte_file
