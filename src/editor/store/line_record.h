#pragma once
// One line of a text store: its UTF-16 units in a gap buffer, its pixel width
// and its display rows. Lines are linked into a ring owned by a TextStore;
// only the store changes their text, so that its totals stay right.
#include <cstdint>
#include <cstring>

#include "editor/store/line_slots.h"
#include "editor/store/text_position.h"

struct LineStorage;

// A line's text as its buffer holds it: the units before the gap, then the
// units after it (none when the gap is at the end).
struct LineRuns {
  const char16_t* first;
  std::int32_t first_count;
  const char16_t* second;
  std::int32_t second_count;
};

class LineRecord {
 public:
  LineRecord(const LineRecord&) = delete;
  LineRecord& operator=(const LineRecord&) = delete;

  // Units in the line, its line feed included.
  std::int32_t Length() const { return length_ != kOutOfLine ? length_ : StoredLength(); }
  // Units before the line feed, if there is one.
  std::int32_t TextLength() const;
  bool EndsWithLineFeed() const {
    const std::int32_t length = Length();
    return length > 0 && UnitAt(length - 1) == u'\n';
  }
  std::int32_t Width() const { return width_ != kOutOfLine ? width_ : StoredWidth(); }
  std::int32_t RowCount() const;
  // Row i; a line of one row is one row covering all its units.
  RowInfo Row(std::int32_t i) const;
  // 0 when index is outside the line.
  char16_t UnitAt(std::int32_t index) const;
  // Closes the gap at the end and returns the text (Length() units, not
  // terminated). Valid until the line is next changed.
  const char16_t* MakeContiguous();
  // The text without moving the gap.
  LineRuns Runs() const;
  // Copies count units from column on; false when count <= 0 or the range
  // leaves the line.
  bool CopyUnits(std::int32_t column, std::int32_t count, char16_t* destination) const;
  LineRecord* Next() const { return line_slots::At(next_); }
  LineRecord* Previous() const { return line_slots::At(previous_); }
  // Units the buffer holds before it has to grow.
  std::int32_t Capacity() const;

  // For the layout engine: stores the width and the rows (row_count >= 1).
  // False on memory failure or bad arguments, the line then unchanged.
  bool SetLayout(std::int32_t width, const RowInfo* rows, std::int32_t row_count);

 private:
  friend class TextStore;
  friend class LinePool;

  // Millions of lines: the links are slot numbers, and the length and the
  // width have 16 bits each.  One that does not fit lives in the line's
  // storage block, and the field holds kOutOfLine.
  static constexpr std::uint16_t kOutOfLine = 0xFFFF;

  LineRecord() = default;
  ~LineRecord();

  // Gives an empty line its own buffer of 32 + announced units.
  bool AllocateBuffer(std::int32_t announced);
  bool InsertUnits(const char16_t* text, std::int32_t count, std::int32_t column);
  // Makes sure an own buffer holds at least units units, so that edits up to
  // that length cannot fail; the text is unchanged.
  bool Reserve(std::int32_t units);
  // The range must lie inside the line.
  void DeleteUnits(std::int32_t column, std::int32_t count);
  // Points the line at text it does not own (a load arena); gap at the end.
  void AdoptSharedText(char16_t* units, std::int32_t length);
  const char16_t* SharedText() const;
  // Appends during a load, growing geometrically; FitBuffer trims after.
  bool AppendForLoad(const char16_t* text, std::int32_t count);
  void FitBuffer();
  // Back to an empty line; keeps an owned buffer, drops shared text.
  void Empty();
  // Drops the storage block; a length or width kept in it becomes 0, so
  // only for a line being emptied or freed.
  void ReleaseStorage();
  LineStorage* Storage() const;
  void SetNext(LineRecord* next) { next_ = line_slots::SlotOf(next); }
  void SetPrevious(LineRecord* previous) { previous_ = line_slots::SlotOf(previous); }
  // A length that does not fit in line needs the storage an own buffer has;
  // a wide line gets a block for its width, and false when there is none.
  void SetLength(std::int32_t length);
  bool SetWidth(std::int32_t width);
  bool LengthOutOfLine() const { return length_ == kOutOfLine; }
  bool WidthOutOfLine() const { return width_ == kOutOfLine; }
  std::int32_t StoredLength() const;
  std::int32_t StoredWidth() const;
  LineStorage* EnsureStorage();
  void DropStorageIfPlain();
  bool Grow(std::int64_t capacity);
  void MoveGap(std::int32_t column);
  // 0, shared text (char16_t*), or a LineStorage* tagged with bit 0.
  std::uintptr_t StorageWord() const {
    std::uintptr_t word;
    std::memcpy(&word, storage_, sizeof word);
    return word;
  }
  void SetStorageWord(std::uintptr_t word) { std::memcpy(storage_, &word, sizeof word); }

  std::uint32_t previous_ = 0;
  std::uint32_t next_ = 0;
  std::uint16_t length_ = 0;
  std::uint16_t width_ = 0;
  // The storage word in two halves, so that the record needs only 4-byte
  // alignment and fills its 20-byte slot.
  std::uint32_t storage_[2] = {0, 0};
};
