#pragma once
// Where encoded bytes go: a file being written, or memory in tests.
#include <cstddef>

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // True only when every byte was taken.
  virtual bool Write(const void* bytes, std::size_t count) = 0;
};
