#include "editor/store/text_store.h"

#include <algorithm>
#include <cstdlib>

TextStore::TextStore(LineLayout& layout, std::int32_t wrap_width) : layout_(layout), wrap_width_(wrap_width) {
  LineRecord* line = CreateLine();
  if (!line) return;
  if (!line->AllocateBuffer(0)) {
    pool_.Free(line);
    return;
  }
  line->SetPrevious(line);
  line->SetNext(line);
  first_ = cached_line_ = line;
  line_count_ = 1;
  total_rows_ = 1;
  LayOut(*line, 0);
}

TextStore::~TextStore() {
  if (!first_) return;
  LineRecord* line = first_;
  for (std::int32_t i = 0; i < line_count_; ++i) {
    LineRecord* next = line->Next();
    pool_.Free(line);
    line = next;
  }
}

LineRecord* TextStore::CreateLine() { return pool_.Allocate(); }

void TextStore::LinkBefore(LineRecord* line, LineRecord* successor) {
  line->SetNext(successor);
  line->SetPrevious(successor->Previous());
  successor->Previous()->SetNext(line);
  successor->SetPrevious(line);
  widths_.Add(line->Width());
}

LineRecord* TextStore::Line(std::int32_t index) {
  if (index < 0 || index >= line_count_) return nullptr;
  // Start from whichever known line is nearest: the cached one or either end
  // of the ring.
  LineRecord* line = cached_line_;
  std::int32_t at = cached_index_;
  if (index < std::abs(index - at)) {
    line = first_;
    at = 0;
  }
  if (line_count_ - 1 - index < std::abs(index - at)) {
    line = first_->Previous();
    at = line_count_ - 1;
  }
  for (; at < index; ++at) line = line->Next();
  for (; at > index; --at) line = line->Previous();
  cached_line_ = line;
  cached_index_ = index;
  return line;
}

LineRecord* TextStore::InsertLine(std::int32_t index, std::int32_t capacity, bool with_line_feed) {
  if (!Valid()) return nullptr;
  index = std::clamp(index, 0, line_count_);
  LineRecord* line = CreateLine();
  if (!line) return nullptr;
  if (!line->AllocateBuffer(capacity)) {
    pool_.Free(line);
    return nullptr;
  }
  if (with_line_feed) line->InsertUnits(u"\n", 1, 0);  // fits the fresh buffer
  // Index == count links it before line 0, which in the ring is after the last.
  LinkBefore(line, index == line_count_ ? first_ : Line(index));
  row_checkpoints_.InvalidateFrom(index);
  if (index == 0) first_ = line;
  ++line_count_;
  total_rows_ += line->RowCount();
  cached_line_ = line;
  cached_index_ = index;
  return line;
}

bool TextStore::RemoveLine(std::int32_t index) {
  if (line_count_ < 2 || index < 0 || index >= line_count_) return false;
  LineRecord* line = Line(index);
  row_checkpoints_.InvalidateFrom(index);
  line->Previous()->SetNext(line->Next());
  line->Next()->SetPrevious(line->Previous());
  if (index == 0) {
    first_ = line->Next();
    cached_line_ = line->Next();
    cached_index_ = 0;
  } else {
    cached_line_ = line->Previous();
    cached_index_ = index - 1;
  }
  --line_count_;
  total_rows_ -= line->RowCount();
  const bool was_longest = line->Width() >= longest_width_;
  widths_.Remove(line->Width());
  pool_.Free(line);
  if (was_longest) RecomputeLongestWidth();
  return true;
}

bool TextStore::LayOut(LineRecord& line, std::int32_t index) {
  const std::int32_t old_rows = line.RowCount();
  const std::int32_t old_width = line.Width();
  const bool stored = layout_.Layout(line, wrap_width_);
  if (line.RowCount() != old_rows) row_checkpoints_.InvalidateFrom(index + 1);
  total_rows_ += line.RowCount() - old_rows;
  widths_.Change(old_width, line.Width());
  if (line.Width() > longest_width_) {
    longest_width_ = line.Width();
  } else if (line.Width() < old_width && old_width == longest_width_) {
    RecomputeLongestWidth();
  }
  return stored;
}

bool TextStore::InsertUnits(LineRecord& line, const char16_t* text, std::int32_t count, std::int32_t column) {
  if (!line.InsertUnits(text, count, column)) return false;
  LayOut(line, IndexHint(line));
  return true;
}

std::int32_t TextStore::DeleteUnits(LineRecord& line, std::int32_t column, std::int32_t count) {
  if (count <= 0 || column < 0 || column > line.Length() || count > line.Length() - column) return -1;
  const char16_t first = line.UnitAt(column);
  line.DeleteUnits(column, count);
  LayOut(line, IndexHint(line));
  return first;
}

void TextStore::RecomputeLongestWidth() {
  if (widths_.Valid() || widths_.Build(first_, line_count_)) {
    longest_width_ = widths_.Longest();
    return;
  }
  std::int32_t longest = 0;
  LineRecord* line = cached_line_;
  for (std::int32_t i = 0; i < line_count_; ++i, line = line->Next()) longest = std::max(longest, line->Width());
  longest_width_ = longest;
}

bool TextStore::RelayoutAll() {
  bool stored = true;
  std::int32_t rows = 0;
  std::int32_t longest = 0;
  LineRecord* line = first_;
  for (std::int32_t i = 0; i < line_count_; ++i, line = line->Next()) {
    stored = layout_.Layout(*line, wrap_width_) && stored;
    rows += line->RowCount();
    longest = std::max(longest, line->Width());
  }
  total_rows_ = rows;
  longest_width_ = longest;
  widths_.Invalidate();
  row_checkpoints_.InvalidateFrom(0);
  return stored;
}

void TextStore::Clear() {
  if (!Valid()) return;
  LineRecord* line = first_->Next();
  while (line != first_) {
    LineRecord* next = line->Next();
    pool_.Free(line);
    line = next;
  }
  first_->SetPrevious(first_);
  first_->SetNext(first_);
  first_->Empty();
  // No line points into the load arena any more.
  arena_.Release();
  cached_line_ = first_;
  cached_index_ = 0;
  line_count_ = 1;
  total_rows_ = 1;
  longest_width_ = 0;
  widths_.Invalidate();
  row_checkpoints_.InvalidateFrom(0);
  LayOut(*first_, 0);
  selection_ = SelectionState{};
}

std::int32_t TextStore::RowsBefore(std::int32_t line) {
  line = std::clamp(line, 0, line_count_);
  LineRecord* record = nullptr;
  const std::int32_t rows = row_checkpoints_.RowsBefore(first_, line_count_, line, &record);
  if (record) {
    cached_line_ = record;
    cached_index_ = line;
  }
  return rows;
}

bool TextStore::LocateRow(std::int32_t row, RowLocation* location) {
  LineRecord* record = nullptr;
  if (!row_checkpoints_.Locate(first_, line_count_, row, location, &record)) return false;
  cached_line_ = record;
  cached_index_ = location->line;
  return true;
}
