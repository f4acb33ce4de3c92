#include "editor/store/line_record.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "editor/store/line_storage.h"
#include "platform/heap.h"

namespace {

constexpr std::int32_t kSlack = 32;
constexpr std::int32_t kFirstRowCapacity = 4;
constexpr std::uintptr_t kStorageTag = 1;

// Millions of lines: the record is kept to four words.
static_assert(sizeof(void*) != 8 || sizeof(LineRecord) == 32);

std::size_t BufferBytes(std::int32_t capacity) { return 2 * static_cast<std::size_t>(capacity) + 1; }

void MoveUnits(char16_t* to, const char16_t* from, std::int32_t count) {
  if (count > 0) std::memmove(to, from, static_cast<std::size_t>(count) * sizeof(char16_t));
}

}  // namespace

LineRecord::~LineRecord() { ReleaseStorage(); }

LineStorage* LineRecord::Storage() const {
  return (storage_ & kStorageTag) ? reinterpret_cast<LineStorage*>(storage_ & ~kStorageTag) : nullptr;
}

const char16_t* LineRecord::SharedText() const {
  if (LineStorage* storage = Storage()) return storage->owns_units ? nullptr : storage->units;
  return reinterpret_cast<const char16_t*>(storage_);
}

LineStorage* LineRecord::EnsureStorage() {
  if (LineStorage* storage = Storage()) return storage;
  void* block = heap::Allocate(heap::Kind::Private, sizeof(LineStorage));
  if (!block) return nullptr;
  auto* storage = new (block) LineStorage;
  if (storage_) {
    storage->units = reinterpret_cast<char16_t*>(storage_);
    storage->owns_units = false;
    storage->capacity = length_;
    storage->gap_start = length_;
  }
  storage_ = reinterpret_cast<std::uintptr_t>(storage) | kStorageTag;
  return storage;
}

// A line with shared text (or none) and a single row needs no storage block.
void LineRecord::DropStorageIfPlain() {
  LineStorage* storage = Storage();
  if (!storage || storage->rows || (storage->owns_units && storage->units)) return;
  storage_ = reinterpret_cast<std::uintptr_t>(storage->units);
  heap::Free(heap::Kind::Private, storage);
}

void LineRecord::ReleaseStorage() {
  if (LineStorage* storage = Storage()) {
    if (storage->owns_units) heap::Free(heap::Kind::Private, storage->units);
    heap::Free(heap::Kind::Private, storage->rows);
    heap::Free(heap::Kind::Private, storage);
  }
  storage_ = 0;
}

std::int32_t LineRecord::TextLength() const { return EndsWithLineFeed() ? length_ - 1 : length_; }

std::int32_t LineRecord::RowCount() const {
  LineStorage* storage = Storage();
  return storage ? storage->row_count : 1;
}

RowInfo LineRecord::Row(std::int32_t i) const {
  LineStorage* storage = Storage();
  if (storage && storage->rows) {
    if (i >= 0 && i < storage->row_count) return storage->rows[i];
  } else if (i == 0) {
    return {length_, width_};
  }
  return {0, 0};
}

std::int32_t LineRecord::Capacity() const {
  LineStorage* storage = Storage();
  return storage ? storage->capacity : length_;
}

char16_t LineRecord::UnitAt(std::int32_t index) const {
  if (index < 0 || index >= length_) return 0;
  LineStorage* storage = Storage();
  if (!storage) return reinterpret_cast<const char16_t*>(storage_)[index];
  if (index >= storage->gap_start) index += storage->capacity - length_;
  return storage->units[index];
}

const char16_t* LineRecord::MakeContiguous() {
  LineStorage* storage = Storage();
  if (!storage) return reinterpret_cast<const char16_t*>(storage_);
  MoveGap(length_);
  return storage->units;
}

LineRuns LineRecord::Runs() const {
  LineStorage* storage = Storage();
  if (!storage) return {reinterpret_cast<const char16_t*>(storage_), length_, nullptr, 0};
  const std::int32_t before = std::min(storage->gap_start, length_);
  return {storage->units, before, storage->units + storage->capacity - (length_ - before), length_ - before};
}

bool LineRecord::CopyUnits(std::int32_t column, std::int32_t count, char16_t* destination) const {
  if (count <= 0 || column < 0 || column > length_ - count || !destination) return false;
  LineStorage* storage = Storage();
  const char16_t* units = storage ? storage->units : reinterpret_cast<const char16_t*>(storage_);
  const std::int32_t gap_start = storage ? storage->gap_start : length_;
  const std::int32_t gap = storage ? storage->capacity - length_ : 0;
  const std::int32_t before = std::clamp(gap_start - column, 0, count);
  MoveUnits(destination, units + column, before);
  MoveUnits(destination + before, units + column + before + gap, count - before);
  return true;
}

bool LineRecord::SetLayout(std::int32_t width, const RowInfo* rows, std::int32_t row_count) {
  if (row_count < 1 || (row_count > 1 && !rows)) return false;
  if (row_count == 1) {
    if (LineStorage* storage = Storage()) {
      heap::Free(heap::Kind::Private, storage->rows);
      storage->rows = nullptr;
      storage->row_count = 1;
      storage->row_capacity = 0;
      DropStorageIfPlain();
    }
    width_ = width;
    return true;
  }
  LineStorage* storage = EnsureStorage();
  if (!storage) return false;
  if (storage->row_capacity < row_count) {
    const std::int32_t capacity = std::max(row_count, kFirstRowCapacity);
    void* grown = heap::Reallocate(heap::Kind::Private, storage->rows,
                                   sizeof(RowInfo) * static_cast<std::size_t>(storage->row_capacity),
                                   sizeof(RowInfo) * static_cast<std::size_t>(capacity));
    if (!grown) {
      DropStorageIfPlain();
      return false;
    }
    storage->rows = static_cast<RowInfo*>(grown);
    storage->row_capacity = capacity;
  }
  std::memcpy(storage->rows, rows, sizeof(RowInfo) * static_cast<std::size_t>(row_count));
  storage->row_count = row_count;
  width_ = width;
  return true;
}

// Gives the line an own buffer of the given capacity, its text after the
// gap moved to the buffer's end. Shared text is copied out with the gap at
// the end. The line is unchanged on failure.
bool LineRecord::Grow(std::int64_t capacity) {
  if (capacity > (INT32_MAX - 1) / 2) return false;
  const auto new_capacity = static_cast<std::int32_t>(capacity);
  const bool had_storage = Storage() != nullptr;
  LineStorage* storage = EnsureStorage();
  if (!storage) return false;
  if (!storage->owns_units || !storage->units) {
    auto* units = static_cast<char16_t*>(heap::Allocate(heap::Kind::Private, BufferBytes(new_capacity)));
    if (!units) {
      if (!had_storage) DropStorageIfPlain();
      return false;
    }
    MoveUnits(units, storage->units, length_);
    storage->units = units;
    storage->owns_units = true;
    storage->gap_start = length_;
    storage->capacity = new_capacity;
    return true;
  }
  void* grown = heap::Reallocate(heap::Kind::Private, storage->units, BufferBytes(storage->capacity),
                                 BufferBytes(new_capacity));
  if (!grown) return false;
  auto* units = static_cast<char16_t*>(grown);
  const std::int32_t after = length_ - storage->gap_start;
  MoveUnits(units + new_capacity - after, units + storage->capacity - after, after);
  storage->units = units;
  storage->capacity = new_capacity;
  return true;
}

// Only for an owned buffer (or none).
void LineRecord::MoveGap(std::int32_t column) {
  LineStorage* storage = Storage();
  if (!storage || !storage->owns_units) return;
  char16_t* units = storage->units;
  const std::int32_t gap = storage->capacity - length_;
  if (column < storage->gap_start) {
    MoveUnits(units + column + gap, units + column, storage->gap_start - column);
  } else if (column > storage->gap_start) {
    MoveUnits(units + storage->gap_start, units + storage->gap_start + gap, column - storage->gap_start);
  }
  storage->gap_start = column;
}

bool LineRecord::AllocateBuffer(std::int32_t announced) {
  return Grow(static_cast<std::int64_t>(kSlack) + std::max(announced, 0));
}

bool LineRecord::Reserve(std::int32_t units) {
  LineStorage* storage = Storage();
  if (storage && storage->owns_units && storage->units && storage->capacity >= units) return true;
  return Grow(static_cast<std::int64_t>(std::max(units, length_)) + kSlack);
}

bool LineRecord::InsertUnits(const char16_t* text, std::int32_t count, std::int32_t column) {
  if (!text || count < 0) return false;
  if (count == 0) return true;
  column = std::clamp(column, 0, length_);
  LineStorage* storage = Storage();
  const bool fits = storage && storage->owns_units && storage->units && storage->capacity - length_ >= count;
  if (!fits && !Grow(static_cast<std::int64_t>(length_) + count + kSlack)) return false;
  storage = Storage();
  MoveGap(column);
  MoveUnits(storage->units + column, text, count);
  storage->gap_start += count;
  length_ += count;
  return true;
}

void LineRecord::DeleteUnits(std::int32_t column, std::int32_t count) {
  LineStorage* storage = Storage();
  if (!storage || !storage->owns_units) {
    // Shared text has no gap: close the hole in place.
    auto* units = const_cast<char16_t*>(SharedText());
    MoveUnits(units + column, units + column + count, length_ - column - count);
    length_ -= count;
    if (storage) storage->capacity = storage->gap_start = length_;
    return;
  }
  char16_t* units = storage->units;
  const std::int32_t gap_start = storage->gap_start;
  const std::int32_t gap = storage->capacity - length_;
  if (column >= gap_start) {
    MoveGap(column);  // the removed units now follow the gap, which swallows them
  } else if (column + count <= gap_start) {
    const std::int32_t between = gap_start - column - count;
    MoveUnits(units + gap_start + gap - between, units + column + count, between);
    storage->gap_start = column;
  } else {
    storage->gap_start = column;  // the range straddles the gap
  }
  length_ -= count;
}

void LineRecord::AdoptSharedText(char16_t* units, std::int32_t length) {
  if (LineStorage* storage = Storage()) {
    if (storage->owns_units) heap::Free(heap::Kind::Private, storage->units);
    storage->units = units;
    storage->owns_units = false;
    storage->capacity = storage->gap_start = length;
  } else {
    storage_ = reinterpret_cast<std::uintptr_t>(units);
  }
  length_ = length;
}

bool LineRecord::AppendForLoad(const char16_t* text, std::int32_t count) {
  LineStorage* storage = Storage();
  const bool owned = storage && storage->owns_units && storage->units;
  const std::int64_t needed = static_cast<std::int64_t>(length_) + count;
  if (!owned || storage->capacity < needed) {
    const std::int64_t current = owned ? storage->capacity : length_;
    if (!Grow(std::max(needed, current + current / 2))) return false;
    storage = Storage();
  }
  MoveGap(length_);
  MoveUnits(storage->units + length_, text, count);
  length_ += count;
  storage->gap_start = length_;
  return true;
}

void LineRecord::FitBuffer() {
  LineStorage* storage = Storage();
  if (!storage || !storage->owns_units || !storage->units || storage->capacity == length_) return;
  MoveGap(length_);
  void* fitted = heap::Reallocate(heap::Kind::Private, storage->units, BufferBytes(storage->capacity),
                                  BufferBytes(length_));
  if (!fitted) return;  // keeping the larger buffer is harmless
  storage->units = static_cast<char16_t*>(fitted);
  storage->capacity = length_;
}

void LineRecord::Empty() {
  if (LineStorage* storage = Storage()) {
    heap::Free(heap::Kind::Private, storage->rows);
    storage->rows = nullptr;
    storage->row_count = 1;
    storage->row_capacity = 0;
    if (!storage->owns_units) {
      storage->units = nullptr;
      storage->owns_units = true;
      storage->capacity = 0;
    }
    storage->gap_start = 0;
  } else {
    storage_ = 0;
  }
  length_ = 0;
  width_ = 0;
  DropStorageIfPlain();
}
