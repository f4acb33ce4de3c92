// Bulk filling by the loader: runs go straight to the end of the last line,
// into the load arena while the line is short, and the line is laid out once
// when it ends rather than after every run.
#include <algorithm>
#include <climits>

#include "editor/store/text_store.h"
#include "editor/store/unit_scan.h"

bool TextStore::AppendToLastLine(const char16_t* units, std::int32_t count) {
  if (count < 0 || (count > 0 && !units)) return false;
  if (unit_scan::HoldsLineBreak(units, count)) return false;
  return AppendRun(units, count);
}

bool TextStore::AppendRun(const char16_t* units, std::int32_t count) {
  if (!Valid()) return false;
  if (count == 0) return true;
  LineRecord& line = *first_->Previous();
  const std::int64_t length = static_cast<std::int64_t>(line.Length()) + count;
  if (length > INT32_MAX / 2) return false;
  // An empty line gives up its edit buffer for a place in the arena.
  if (line.Length() == 0 && !line.SharedText()) line.ReleaseStorage();
  const char16_t* shared = line.SharedText();
  const bool in_arena = shared || line.Capacity() == 0;
  if (in_arena && length <= LoadArena::kLongestLine) {
    char16_t* run = arena_.Extend(const_cast<char16_t*>(shared), line.Length(), count);
    if (!run) return false;
    unit_scan::CopyUnits(run + line.Length(), units, count);
    line.AdoptSharedText(run, static_cast<std::int32_t>(length));
    return true;
  }
  return line.AppendForLoad(units, count);
}

bool TextStore::EndLastLine() {
  if (!Valid()) return false;
  LineRecord* next = CreateLine();
  if (!next) return false;
  if (!AppendRun(u"\n", 1)) {
    pool_.Free(next);
    return false;
  }
  CloseLastLine(next);
  return true;
}

bool TextStore::AppendLineAndEnd(const char16_t* units, std::int32_t count) {
  if (!Valid()) return false;
  LineRecord& line = *first_->Previous();
  // A whole line met at once, as most are, goes to the arena with its line
  // feed in one step; anything else takes the two steps.
  if (line.Length() > 0 || count < 0 || count >= LoadArena::kLongestLine)
    return AppendToLastLine(units, count) && EndLastLine();
  if ((count > 0 && !units) || unit_scan::HoldsLineBreak(units, count)) return false;
  LineRecord* next = CreateLine();
  if (!next) return false;
  if (!line.SharedText()) line.ReleaseStorage();
  char16_t* run = arena_.Extend(nullptr, 0, count + 1);
  if (!run) {
    pool_.Free(next);
    return false;
  }
  unit_scan::CopyUnits(run, units, count);
  run[count] = u'\n';
  line.AdoptSharedText(run, count + 1);
  CloseLastLine(next);
  return true;
}

void TextStore::CloseLastLine(LineRecord* next) {
  LineRecord& line = *first_->Previous();
  line.FitBuffer();
  LayOut(line, line_count_ - 1);
  LinkBefore(next, first_);
  row_checkpoints_.InvalidateFrom(line_count_);
  ++line_count_;
  total_rows_ += next->RowCount();
  cached_line_ = next;
  cached_index_ = line_count_ - 1;
}

bool TextStore::LayOutAgain(LineRecord& line) { return LayOut(line, IndexHint(line)); }

void TextStore::FinishLoading() {
  if (!Valid()) return;
  LineRecord& line = *first_->Previous();
  line.FitBuffer();
  LayOut(line, line_count_ - 1);
}

bool TextStore::TakeLinesOf(TextStore& tail) {
  if (!Valid() || !tail.Valid() || &tail == this) return false;
  LineRecord* last = first_->Previous();
  if (last->Length() != 0) return false;
  LineRecord* tail_first = tail.first_;
  LineRecord* tail_last = tail_first->Previous();
  const std::int32_t at = line_count_ - 1;
  if (static_cast<std::int64_t>(at) + tail.line_count_ > INT32_MAX) return false;
  if (line_count_ == 1) {
    first_ = tail_first;
  } else {
    LineRecord* before = last->Previous();
    before->SetNext(tail_first);
    tail_first->SetPrevious(before);
    tail_last->SetNext(first_);
    first_->SetPrevious(tail_last);
  }
  total_rows_ += tail.total_rows_ - last->RowCount();
  widths_.Remove(last->Width());
  pool_.Free(last);
  pool_.Adopt(tail.pool_);
  arena_.Adopt(tail.arena_);
  line_count_ = at + tail.line_count_;
  row_checkpoints_.InvalidateFrom(at);
  longest_width_ = std::max(longest_width_, tail.longest_width_);
  if (widths_.Valid()) {
    LineRecord* line = tail_first;
    for (std::int32_t i = 0; i < tail.line_count_; ++i, line = line->Next()) widths_.Add(line->Width());
  }
  cached_line_ = tail_last;
  cached_index_ = line_count_ - 1;
  tail.first_ = tail.cached_line_ = nullptr;
  tail.cached_index_ = tail.line_count_ = tail.total_rows_ = tail.longest_width_ = 0;
  return true;
}
