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
  // Lays the line out as Layout would, from what the layout already knows,
  // on a load's worker thread while Layout may run on the owning one; false,
  // the line untouched, when that is not enough (the line then waits for
  // Layout on the owning thread).
  virtual bool LayOutAside(LineRecord& line, std::int32_t wrap_width) { return false; }
};
