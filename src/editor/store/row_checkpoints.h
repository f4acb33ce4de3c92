#pragma once
// The display rows before every kSpacing-th line, with that line, so that
// turning a display row into a line (and back) walks at most kSpacing lines
// instead of every line above.  Built lazily as far as a lookup needs and
// cut back from the first changed line on; the store's total rows stay the
// authority.  When memory runs out the lookups walk from the last known
// checkpoint (or line 0) instead.
#include <cstdint>

class LineRecord;

// A line and a row within it.
struct RowLocation {
  std::int32_t line = 0;
  std::int32_t row = 0;
};

class RowCheckpoints {
 public:
  static constexpr std::int32_t kSpacing = 1024;

  RowCheckpoints() = default;
  RowCheckpoints(const RowCheckpoints&) = delete;
  RowCheckpoints& operator=(const RowCheckpoints&) = delete;
  ~RowCheckpoints();

  // Lines from line on changed their rows, or were inserted or removed.
  void InvalidateFrom(std::int32_t line) {
    const std::int32_t keep = line <= 0 ? 0 : (line - 1) / kSpacing + 1;
    if (keep < valid_) valid_ = keep;
  }
  std::int32_t ValidCount() const { return valid_; }

  // The display rows before a line (0 .. line_count) of the ring that starts
  // at first, and the line record itself (nullptr at line_count).
  std::int32_t RowsBefore(LineRecord* first, std::int32_t line_count, std::int32_t line, LineRecord** record);
  // The line showing a display row and the row within it, with its record;
  // false when the row lies beyond the text.
  bool Locate(LineRecord* first, std::int32_t line_count, std::int32_t row, RowLocation* location,
              LineRecord** record);

 private:
  struct Mark {
    LineRecord* line;
    std::int32_t rows_before;
  };
  // Builds checkpoints while wanted(last built mark) holds and lines remain.
  template <class Wanted>
  void Extend(LineRecord* first, std::int32_t line_count, Wanted wanted);
  bool Reserve(std::int32_t count);

  Mark* marks_ = nullptr;
  std::int32_t capacity_ = 0;
  std::int32_t valid_ = 0;
};
