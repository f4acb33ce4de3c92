#pragma once
#include <cstdint>

class LineRecord;

// Recomputes a line's width and display rows after its text changed. The
// layout engine implements it; tests use a fixed-width stand-in.
class LineLayout {
 public:
  virtual ~LineLayout() = default;
  // Returns false only when the rows could not be stored (memory).
  virtual bool Layout(LineRecord& line, std::int32_t wrap_width) = 0;
};
