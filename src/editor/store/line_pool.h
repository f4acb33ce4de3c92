#pragma once
// Hands out line records from chunks of the process's line slots, so that a
// line costs no heap block of its own. Freed records are kept for reuse
// until the pool dies.
#include <cstdint>

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
  // Takes over every chunk of other, whose records may then be linked
  // into this pool's store; other is left empty.
  void Adopt(LinePool& other);

 private:
  std::uint32_t chunks_ = 0;     // chained through line_slots::ChunkLink
  std::uint32_t next_slot_ = 0;  // the unused slots of the chunk taken last
  std::uint32_t end_slot_ = 0;
  LineRecord* free_ = nullptr;  // chained through the records' next links
};
