#pragma once
// Hands out line records from large blocks, so that a line costs no heap
// block of its own. Freed records are kept for reuse until the pool dies.
#include <cstddef>

class LineRecord;

class LinePool {
 public:
  LinePool() = default;
  LinePool(const LinePool&) = delete;
  LinePool& operator=(const LinePool&) = delete;
  ~LinePool();

  // An empty, unlinked record, or nullptr when memory is exhausted.
  LineRecord* Allocate();
  // Releases the record's text and rows and keeps the record for reuse.
  void Free(LineRecord* line);
  // Takes over every block of other, whose records may then be linked
  // into this pool's store; other is left empty.
  void Adopt(LinePool& other);

 private:
  struct Block;
  Block* blocks_ = nullptr;
  LineRecord* free_ = nullptr;  // chained through the records' next links
  std::size_t unused_in_block_ = 0;
};
