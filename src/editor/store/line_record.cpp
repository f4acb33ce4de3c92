#include "editor/store/line_record.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "editor/store/line_storage.h"
#include "editor/store/load_arena.h"
#include "platform/heap.h"

namespace {

constexpr std::int32_t kSlack = 32;
constexpr std::int32_t kFirstRowCapacity = 4;
constexpr std::uintptr_t kStorageTag = 1;

// Millions of lines: the record is kept to five 32-bit words.
static_assert(sizeof(void*) == 8 && sizeof(LineRecord) == line_slots::kSlotBytes && alignof(LineRecord) <= 4);

std::size_t BufferBytes(std::int32_t capacity) { return 2 * static_cast<std::size_t>(capacity) + 1; }

void MoveUnits(char16_t* to, const char16_t* from, std::int32_t count) {
  if (count > 0) std::memmove(to, from, static_cast<std::size_t>(count) * sizeof(char16_t));
}

}  // namespace

LineRecord::~LineRecord() { ReleaseStorage(); }

std::int32_t LineRecord::StoredLength() const { return Storage()->length; }
std::int32_t LineRecord::StoredWidth() const { return Storage()->width; }

void LineRecord::SetLength(std::int32_t length) {
  if (length < 0 || length >= kOutOfLine) {
    Storage()->length = length;
    length_ = kOutOfLine;
  } else {
    length_ = static_cast<std::uint16_t>(length);
  }
}

bool LineRecord::SetWidth(std::int32_t width) {
  if (width < 0 || width >= kOutOfLine) {
    LineStorage* storage = EnsureStorage();
    if (!storage) return false;
    storage->width = width;
    width_ = kOutOfLine;
  } else {
    width_ = static_cast<std::uint16_t>(width);
  }
  return true;
}

LineStorage* LineRecord::Storage() const {
  const std::uintptr_t word = StorageWord();
  return (word & kStorageTag) ? reinterpret_cast<LineStorage*>(word & ~kStorageTag) : nullptr;
}

const char16_t* LineRecord::SharedText() const {
  if (LineStorage* storage = Storage()) return storage->owns_units ? nullptr : storage->units;
  return reinterpret_cast<const char16_t*>(StorageWord());
}

LineStorage* LineRecord::EnsureStorage() {
  if (LineStorage* storage = Storage()) return storage;
  void* block = heap::Allocate(heap::Kind::Private, sizeof(LineStorage));
  if (!block) return nullptr;
  auto* storage = new (block) LineStorage;
  if (const std::uintptr_t shared = StorageWord()) {
    storage->units = reinterpret_cast<char16_t*>(shared);
    storage->owns_units = false;
    storage->capacity = Length();
    storage->gap_start = Length();
  }
  SetStorageWord(reinterpret_cast<std::uintptr_t>(storage) | kStorageTag);
  return storage;
}

// A line with shared text (or none) and a single row needs no storage block.
void LineRecord::DropStorageIfPlain() {
  LineStorage* storage = Storage();
  if (!storage || storage->rows || (storage->owns_units && storage->units)) return;
  if (LengthOutOfLine() || WidthOutOfLine()) return;
  SetStorageWord(reinterpret_cast<std::uintptr_t>(storage->units));
  heap::Free(heap::Kind::Private, storage);
}

void LineRecord::ReleaseStorage() {
  if (LineStorage* storage = Storage()) {
    if (storage->owns_units) heap::Free(heap::Kind::Private, storage->units);
    heap::Free(heap::Kind::Private, storage->rows);
    heap::Free(heap::Kind::Private, storage);
  }
  SetStorageWord(0);
  if (LengthOutOfLine()) SetLength(0);
  if (WidthOutOfLine()) SetWidth(0);
}

std::int32_t LineRecord::TextLength() const { return EndsWithLineFeed() ? Length() - 1 : Length(); }

std::int32_t LineRecord::RowCount() const {
  LineStorage* storage = Storage();
  return storage ? storage->row_count : 1;
}

RowInfo LineRecord::Row(std::int32_t i) const {
  LineStorage* storage = Storage();
  if (storage && storage->rows) {
    if (i >= 0 && i < storage->row_count) return storage->rows[i];
  } else if (i == 0) {
    return {Length(), Width()};
  }
  return {0, 0};
}

std::int32_t LineRecord::Capacity() const {
  LineStorage* storage = Storage();
  return storage ? storage->capacity : Length();
}

char16_t LineRecord::UnitAt(std::int32_t index) const {
  const std::int32_t length = Length();
  if (index < 0 || index >= length) return 0;
  LineStorage* storage = Storage();
  if (!storage) return reinterpret_cast<const char16_t*>(StorageWord())[index];
  if (index >= storage->gap_start) index += storage->capacity - length;
  return storage->units[index];
}

const char16_t* LineRecord::MakeContiguous() {
  LineStorage* storage = Storage();
  if (!storage) return reinterpret_cast<const char16_t*>(StorageWord());
  MoveGap(Length());
  return storage->units;
}

LineRuns LineRecord::Runs() const {
  LineStorage* storage = Storage();
  const std::int32_t length = Length();
  if (!storage) return {reinterpret_cast<const char16_t*>(StorageWord()), length, nullptr, 0};
  const std::int32_t before = std::min(storage->gap_start, length);
  return {storage->units, before, storage->units + storage->capacity - (length - before), length - before};
}

bool LineRecord::CopyUnits(std::int32_t column, std::int32_t count, char16_t* destination) const {
  const std::int32_t length = Length();
  if (count <= 0 || column < 0 || column > length - count || !destination) return false;
  LineStorage* storage = Storage();
  const char16_t* units = storage ? storage->units : reinterpret_cast<const char16_t*>(StorageWord());
  const std::int32_t gap_start = storage ? storage->gap_start : length;
  const std::int32_t gap = storage ? storage->capacity - length : 0;
  const std::int32_t before = std::clamp(gap_start - column, 0, count);
  MoveUnits(destination, units + column, before);
  MoveUnits(destination + before, units + column + before + gap, count - before);
  return true;
}

bool LineRecord::SetLayout(std::int32_t width, const RowInfo* rows, std::int32_t row_count) {
  if (row_count < 1 || (row_count > 1 && !rows)) return false;
  if (row_count == 1) {
    if (!SetWidth(width)) return false;
    if (LineStorage* storage = Storage()) {
      heap::Free(heap::Kind::Private, storage->rows);
      storage->rows = nullptr;
      storage->row_count = 1;
      storage->row_capacity = 0;
      DropStorageIfPlain();
    }
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
  SetWidth(width);  // the storage block is there
  return true;
}

// Gives the line an own buffer of the given capacity, its text after the
// gap moved to the buffer's end. Shared text is copied out with the gap at
// the end. The line is unchanged on failure.
bool LineRecord::Grow(std::int64_t capacity) {
  if (capacity > (INT32_MAX - 1) / 2) return false;
  const auto new_capacity = static_cast<std::int32_t>(capacity);
  const std::int32_t length = Length();
  const bool had_storage = Storage() != nullptr;
  LineStorage* storage = EnsureStorage();
  if (!storage) return false;
  if (!storage->owns_units || !storage->units) {
    auto* units = static_cast<char16_t*>(heap::Allocate(heap::Kind::Private, BufferBytes(new_capacity)));
    if (!units) {
      if (!had_storage) DropStorageIfPlain();
      return false;
    }
    MoveUnits(units, storage->units, length);
    storage->units = units;
    storage->owns_units = true;
    storage->gap_start = length;
    storage->capacity = new_capacity;
    return true;
  }
  void* grown = heap::Reallocate(heap::Kind::Private, storage->units, BufferBytes(storage->capacity),
                                 BufferBytes(new_capacity));
  if (!grown) return false;
  auto* units = static_cast<char16_t*>(grown);
  const std::int32_t after = length - storage->gap_start;
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
  const std::int32_t gap = storage->capacity - Length();
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
  return Grow(static_cast<std::int64_t>(std::max(units, Length())) + kSlack);
}

bool LineRecord::InsertUnits(const char16_t* text, std::int32_t count, std::int32_t column) {
  if (!text || count < 0) return false;
  if (count == 0) return true;
  const std::int32_t length = Length();
  column = std::clamp(column, 0, length);
  LineStorage* storage = Storage();
  const bool fits = storage && storage->owns_units && storage->units && storage->capacity - length >= count;
  if (!fits && !Grow(static_cast<std::int64_t>(length) + count + kSlack)) return false;
  storage = Storage();
  MoveGap(column);
  MoveUnits(storage->units + column, text, count);
  storage->gap_start += count;
  SetLength(length + count);
  return true;
}

void LineRecord::DeleteUnits(std::int32_t column, std::int32_t count) {
  const std::int32_t length = Length();
  LineStorage* storage = Storage();
  if (!storage || !storage->owns_units) {
    // Shared text has no gap: close the hole in place.
    auto* units = const_cast<char16_t*>(SharedText());
    MoveUnits(units + column, units + column + count, length - column - count);
    SetLength(length - count);
    if (storage) storage->capacity = storage->gap_start = length - count;
    return;
  }
  char16_t* units = storage->units;
  const std::int32_t gap_start = storage->gap_start;
  const std::int32_t gap = storage->capacity - length;
  if (column >= gap_start) {
    MoveGap(column);  // the removed units now follow the gap, which swallows them
  } else if (column + count <= gap_start) {
    const std::int32_t between = gap_start - column - count;
    MoveUnits(units + gap_start + gap - between, units + column + count, between);
    storage->gap_start = column;
  } else {
    storage->gap_start = column;  // the range straddles the gap
  }
  SetLength(length - count);
}

// Arena runs fit in the record's own length field, so that adopting one
// never needs a storage block.
static_assert(LoadArena::kLongestLine < 0xFFFF);

void LineRecord::AdoptSharedText(char16_t* units, std::int32_t length) {
  if (LineStorage* storage = Storage()) {
    if (storage->owns_units) heap::Free(heap::Kind::Private, storage->units);
    storage->units = units;
    storage->owns_units = false;
    storage->capacity = storage->gap_start = length;
  } else {
    SetStorageWord(reinterpret_cast<std::uintptr_t>(units));
  }
  SetLength(length);
}

bool LineRecord::AppendForLoad(const char16_t* text, std::int32_t count) {
  LineStorage* storage = Storage();
  const std::int32_t length = Length();
  const bool owned = storage && storage->owns_units && storage->units;
  const std::int64_t needed = static_cast<std::int64_t>(length) + count;
  if (!owned || storage->capacity < needed) {
    const std::int64_t current = owned ? storage->capacity : length;
    if (!Grow(std::max(needed, current + current / 2))) return false;
    storage = Storage();
  }
  MoveGap(length);
  MoveUnits(storage->units + length, text, count);
  SetLength(length + count);
  storage->gap_start = length + count;
  return true;
}

void LineRecord::FitBuffer() {
  LineStorage* storage = Storage();
  const std::int32_t length = Length();
  if (!storage || !storage->owns_units || !storage->units || storage->capacity == length) return;
  MoveGap(length);
  void* fitted = heap::Reallocate(heap::Kind::Private, storage->units, BufferBytes(storage->capacity),
                                  BufferBytes(length));
  if (!fitted) return;  // keeping the larger buffer is harmless
  storage->units = static_cast<char16_t*>(fitted);
  storage->capacity = length;
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
    SetStorageWord(0);
  }
  SetLength(0);
  SetWidth(0);
  DropStorageIfPlain();
}
