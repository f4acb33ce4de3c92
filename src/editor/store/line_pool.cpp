#include "editor/store/line_pool.h"

#include <new>

#include "editor/store/line_record.h"
#include "editor/store/line_slots.h"

LinePool::~LinePool() {
  while (chunks_) {
    const std::uint32_t next = line_slots::ChunkLink(chunks_);
    line_slots::ReleaseChunk(chunks_);
    chunks_ = next;
  }
}

LineRecord* LinePool::Allocate() {
  if (free_) {
    LineRecord* line = free_;
    free_ = line->Next();
    line->SetNext(nullptr);
    return line;
  }
  if (next_slot_ == end_slot_) {
    const std::uint32_t chunk = line_slots::AcquireChunk();
    if (!chunk) return nullptr;
    line_slots::ChunkLink(chunk) = chunks_;
    chunks_ = chunk;
    next_slot_ = chunk * line_slots::kChunkSlots;
    end_slot_ = next_slot_ + line_slots::kChunkSlots;
  }
  return new (line_slots::At(next_slot_++)) LineRecord;
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
  if (other.chunks_) {
    std::uint32_t last = other.chunks_;
    while (line_slots::ChunkLink(last)) last = line_slots::ChunkLink(last);
    line_slots::ChunkLink(last) = chunks_;
    chunks_ = other.chunks_;
  }
  if (!free_) {
    free_ = other.free_;
  } else if (other.free_) {
    LineRecord* last = free_;
    while (last->Next()) last = last->Next();
    last->SetNext(other.free_);
  }
  other.chunks_ = other.next_slot_ = other.end_slot_ = 0;
  other.free_ = nullptr;
}
