#include "editor/store/row_checkpoints.h"

#include <algorithm>

#include "editor/store/line_record.h"
#include "platform/heap.h"

RowCheckpoints::~RowCheckpoints() { heap::Free(heap::Kind::Private, marks_); }

bool RowCheckpoints::Reserve(std::int32_t count) {
  if (count <= capacity_) return true;
  const std::int32_t capacity = std::max(count, std::max<std::int32_t>(64, capacity_ * 2));
  void* grown = heap::Reallocate(heap::Kind::Private, marks_, sizeof(Mark) * static_cast<std::size_t>(capacity_),
                                 sizeof(Mark) * static_cast<std::size_t>(capacity));
  if (!grown) return false;
  marks_ = static_cast<Mark*>(grown);
  capacity_ = capacity;
  return true;
}

template <class Wanted>
void RowCheckpoints::Extend(LineRecord* first, std::int32_t line_count, Wanted wanted) {
  if (valid_ == 0) {
    if (!Reserve(1)) return;
    marks_[0] = {first, 0};
    valid_ = 1;
  }
  while (wanted(marks_[valid_ - 1]) && static_cast<std::int64_t>(valid_) * kSpacing < line_count) {
    if (!Reserve(valid_ + 1)) return;
    Mark mark = marks_[valid_ - 1];
    for (std::int32_t i = 0; i < kSpacing; ++i, mark.line = mark.line->Next()) mark.rows_before += mark.line->RowCount();
    marks_[valid_++] = mark;
  }
}

std::int32_t RowCheckpoints::RowsBefore(LineRecord* first, std::int32_t line_count, std::int32_t line,
                                        LineRecord** record) {
  line = std::clamp(line, 0, line_count);
  const std::int32_t wanted = line / kSpacing;
  Extend(first, line_count, [&](const Mark&) { return valid_ <= wanted; });
  Mark mark{first, 0};
  std::int32_t at = 0;
  if (valid_ > 0) {
    const std::int32_t index = std::min(wanted, valid_ - 1);
    mark = marks_[index];
    at = index * kSpacing;
  }
  for (; at < line; ++at, mark.line = mark.line->Next()) mark.rows_before += mark.line->RowCount();
  if (record) *record = line < line_count ? mark.line : nullptr;
  return mark.rows_before;
}

bool RowCheckpoints::Locate(LineRecord* first, std::int32_t line_count, std::int32_t row, RowLocation* location,
                            LineRecord** record) {
  if (row < 0) return false;
  Extend(first, line_count, [&](const Mark& last) { return last.rows_before <= row; });
  Mark mark{first, 0};
  std::int32_t at = 0;
  if (valid_ > 0) {
    // The last checkpoint at or before the row.
    const Mark* after = std::upper_bound(marks_, marks_ + valid_, row,
                                         [](std::int32_t r, const Mark& m) { return r < m.rows_before; });
    const auto index = static_cast<std::int32_t>(after - marks_) - 1;
    mark = marks_[index];
    at = index * kSpacing;
  }
  for (; at < line_count; ++at, mark.line = mark.line->Next()) {
    const std::int32_t rows = mark.line->RowCount();
    if (row < mark.rows_before + rows) {
      *location = {at, row - mark.rows_before};
      if (record) *record = mark.line;
      return true;
    }
    mark.rows_before += rows;
  }
  return false;
}
