#include "editor/store/line_pool.h"

#include <algorithm>
#include <new>

#include "editor/store/line_record.h"
#include "platform/heap.h"

namespace {
// Blocks double from the first on up to the largest (1.5 MB), so that a
// small document takes little and a large load takes its blocks straight
// from the system, whose fresh pages are zero already, instead of having
// the heap clear them before the records are written.
constexpr std::size_t kFirstBlockRecords = 1024;
constexpr std::size_t kLargestBlockRecords = 64 * 1024;
}  // namespace

// The records follow the two words of the header, aligned as they need.
struct LinePool::Block {
  Block* next;
  std::size_t capacity;  // records
  unsigned char* Records() { return reinterpret_cast<unsigned char*>(this + 1); }
};

LinePool::~LinePool() {
  while (blocks_) {
    Block* next = blocks_->next;
    heap::Free(heap::Kind::Private, blocks_);
    blocks_ = next;
  }
}

LineRecord* LinePool::Allocate() {
  if (free_) {
    LineRecord* line = free_;
    free_ = line->Next();
    line->SetNext(nullptr);
    return line;
  }
  if (unused_in_block_ == 0) {
    const std::size_t records =
        blocks_ ? std::min(blocks_->capacity * 2, kLargestBlockRecords) : kFirstBlockRecords;
    void* memory = heap::Allocate(heap::Kind::Private, sizeof(Block) + records * sizeof(LineRecord));
    if (!memory) return nullptr;
    auto* block = static_cast<Block*>(memory);
    block->next = blocks_;
    block->capacity = records;
    blocks_ = block;
    unused_in_block_ = records;
  }
  void* slot = blocks_->Records() + (blocks_->capacity - unused_in_block_) * sizeof(LineRecord);
  --unused_in_block_;
  return new (slot) LineRecord;
}

void LinePool::Free(LineRecord* line) {
  if (!line) return;
  line->~LineRecord();
  auto* fresh = new (line) LineRecord;
  fresh->SetNext(free_);
  free_ = fresh;
}

void LinePool::Adopt(LinePool& other) {
  if (&other == this) return;
  // Behind this pool's blocks, so that the block records come from stays first.
  Block** tail = &blocks_;
  while (*tail) tail = &(*tail)->next;
  *tail = other.blocks_;
  if (!free_) {
    free_ = other.free_;
  } else if (other.free_) {
    LineRecord* last = free_;
    while (last->Next()) last = last->Next();
    last->SetNext(other.free_);
  }
  other.blocks_ = nullptr;
  other.free_ = nullptr;
  other.unused_in_block_ = 0;
}
