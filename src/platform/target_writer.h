#pragma once
// Bytes written one after another into a replacement target, gathered so
// that they reach the file in large pieces.
#include <cstddef>
#include <cstdint>

#include "platform/byte_sink.h"
#include "platform/file_replace.h"
#include "platform/heap_block.h"

namespace byte_file {

class TargetWriter final : public ByteSink {
 public:
  // Without memory for the gathering buffer every write goes straight on.
  explicit TargetWriter(Target& target);
  TargetWriter(const TargetWriter&) = delete;
  TargetWriter& operator=(const TargetWriter&) = delete;

  bool Write(const void* bytes, std::size_t count) override;
  // Writes what is gathered; false when any write fell short.
  bool Finish();

 private:
  void Flush();
  void WriteThrough(const void* bytes, std::size_t count);

  Target& target_;
  std::uint64_t offset_ = 0;
  std::size_t used_ = 0;
  bool ok_ = true;
  heap::Block buffer_;
};

}  // namespace byte_file
