#include "editor/store/line_pool.h"

#include <new>

#include "editor/store/line_record.h"
#include "platform/heap.h"

namespace {
constexpr std::size_t kRecordsPerBlock = 1024;
}

struct LinePool::Block {
  Block* next;
  alignas(LineRecord) unsigned char records[kRecordsPerBlock * sizeof(LineRecord)];
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
    void* memory = heap::Allocate(heap::Kind::Private, sizeof(Block));
    if (!memory) return nullptr;
    auto* block = static_cast<Block*>(memory);
    block->next = blocks_;
    blocks_ = block;
    unused_in_block_ = kRecordsPerBlock;
  }
  void* slot = blocks_->records + (kRecordsPerBlock - unused_in_block_) * sizeof(LineRecord);
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
