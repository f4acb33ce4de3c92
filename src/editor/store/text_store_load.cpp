// Bulk filling by the loader: runs go straight to the end of the last line,
// into the load arena while the line is short, and the line is laid out once
// when it ends rather than after every run.
#include <cstring>

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
  LineRecord& line = *first_->previous_;
  const std::int64_t length = static_cast<std::int64_t>(line.Length()) + count;
  if (length > INT32_MAX / 2) return false;
  // An empty line gives up its edit buffer for a place in the arena.
  if (line.Length() == 0 && !line.SharedText()) line.ReleaseStorage();
  const char16_t* shared = line.SharedText();
  const bool in_arena = shared || line.Capacity() == 0;
  if (in_arena && length <= LoadArena::kLongestLine) {
    char16_t* run = arena_.Extend(const_cast<char16_t*>(shared), line.Length(), count);
    if (!run) return false;
    std::memcpy(run + line.Length(), units, sizeof(char16_t) * static_cast<std::size_t>(count));
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
  LineRecord& line = *first_->previous_;
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
  if (count > 0) std::memcpy(run, units, sizeof(char16_t) * static_cast<std::size_t>(count));
  run[count] = u'\n';
  line.AdoptSharedText(run, count + 1);
  CloseLastLine(next);
  return true;
}

void TextStore::CloseLastLine(LineRecord* next) {
  LineRecord& line = *first_->previous_;
  line.FitBuffer();
  LayOut(line, line_count_ - 1);
  LinkBefore(next, first_);
  row_checkpoints_.InvalidateFrom(line_count_);
  ++line_count_;
  total_rows_ += next->RowCount();
  cached_line_ = next;
  cached_index_ = line_count_ - 1;
}

void TextStore::FinishLoading() {
  if (!Valid()) return;
  LineRecord& line = *first_->previous_;
  line.FitBuffer();
  LayOut(line, line_count_ - 1);
}
