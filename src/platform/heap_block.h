#pragma once
// A zero-filled heap block that frees itself.  Allocation failure is a
// normal outcome here (sizes often come from files), so it is reported, not
// thrown.
#include <cstddef>
#include <cstdint>
#include <utility>

#include "platform/heap.h"

namespace heap {

class Block {
 public:
  explicit Block(Kind kind = Kind::Private) : kind_(kind) {}
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;
  Block(Block&& other) noexcept
      : kind_(other.kind_), data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
  ~Block() { Reset(); }

  // Replaces the contents with `bytes` zeroed bytes; false (and empty) when
  // the heap refuses.
  bool Allocate(std::size_t bytes) {
    Reset();
    data_ = static_cast<std::uint8_t*>(heap::Allocate(kind_, bytes));
    if (data_) size_ = bytes;
    return data_ != nullptr;
  }
  void Reset() {
    if (data_) heap::Free(kind_, data_);
    data_ = nullptr;
    size_ = 0;
  }

  std::uint8_t* Data() { return data_; }
  const std::uint8_t* Data() const { return data_; }
  std::size_t Size() const { return size_; }
  bool Empty() const { return data_ == nullptr; }

 private:
  Kind kind_;
  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace heap
