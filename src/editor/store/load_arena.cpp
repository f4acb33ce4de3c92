#include "editor/store/load_arena.h"

#include <algorithm>
#include <cstring>

#include "platform/heap.h"

namespace {
// Slabs double from the first on up to the largest (2 MB), so that a large
// load takes them straight from the system, whose fresh pages are zero
// already, instead of having the heap clear them before the text is written.
constexpr std::int32_t kFirstSlabUnits = 128 * 1024;
constexpr std::int32_t kLargestSlabUnits = 1024 * 1024;
}  // namespace

struct LoadArena::Slab {
  Slab* next;
  char16_t* Units() { return reinterpret_cast<char16_t*>(this + 1); }
};

bool LoadArena::IsLastRun(const char16_t* start, std::int32_t length) const {
  return next_ && start + length == next_;
}

char16_t* LoadArena::Extend(char16_t* start, std::int32_t length, std::int32_t count) {
  const bool last = length == 0 || IsLastRun(start, length);
  if (last && next_ && end_ - next_ >= count) {
    char16_t* run = length == 0 ? next_ : start;
    next_ += count;
    return run;
  }
  const std::int64_t current = slabs_ && end_ ? end_ - slabs_->Units() : 0;
  const std::int64_t slab_units = std::clamp<std::int64_t>(2 * current, kFirstSlabUnits, kLargestSlabUnits);
  const std::int64_t units = std::max<std::int64_t>(slab_units, static_cast<std::int64_t>(length) + count);
  void* memory = heap::Allocate(heap::Kind::Private, sizeof(Slab) + static_cast<std::size_t>(units) * sizeof(char16_t));
  if (!memory) return nullptr;
  auto* slab = static_cast<Slab*>(memory);
  slab->next = slabs_;
  slabs_ = slab;
  char16_t* run = slab->Units();
  if (length > 0) std::memcpy(run, start, static_cast<std::size_t>(length) * sizeof(char16_t));
  next_ = run + length + count;
  end_ = run + units;
  return run;
}

void LoadArena::Release() {
  while (slabs_) {
    Slab* next = slabs_->next;
    heap::Free(heap::Kind::Private, slabs_);
    slabs_ = next;
  }
  next_ = end_ = nullptr;
}

void LoadArena::Adopt(LoadArena& other) {
  if (&other == this) return;
  Slab** tail = &slabs_;
  while (*tail) tail = &(*tail)->next;
  *tail = other.slabs_;
  other.slabs_ = nullptr;
  other.next_ = other.end_ = nullptr;
}
