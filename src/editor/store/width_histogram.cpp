#include "editor/store/width_histogram.h"

#include <new>
#include <utility>

#include "editor/store/line_record.h"

bool WidthHistogram::Build(const LineRecord* first, std::int32_t count) {
  Invalidate();
  try {
    auto last = counts_.end();
    for (const LineRecord* line = first; count > 0; --count, line = line->Next()) {
      // Neighbouring lines often share a width: spare the lookup.
      if (last != counts_.end() && last->first == line->Width()) {
        ++last->second;
      } else {
        last = counts_.try_emplace(line->Width(), 0).first;
        ++last->second;
      }
    }
  } catch (const std::bad_alloc&) {
    counts_.clear();
    return false;
  }
  valid_ = true;
  return true;
}

void WidthHistogram::Invalidate() {
  counts_.clear();
  valid_ = false;
}

void WidthHistogram::Count(std::int32_t width) {
  try {
    ++counts_.try_emplace(width, 0).first->second;
  } catch (const std::bad_alloc&) {
    Invalidate();
  }
}

void WidthHistogram::Uncount(std::int32_t width) {
  const auto found = counts_.find(width);
  if (found == counts_.end()) {
    Invalidate();  // out of step: rebuilt when next needed
    return;
  }
  if (--found->second == 0) counts_.erase(found);
}

void WidthHistogram::Move(std::int32_t from, std::int32_t to) {
  const auto source = counts_.find(from);
  if (source == counts_.end()) {
    Invalidate();
    return;
  }
  const auto target = counts_.find(to);
  if (target != counts_.end()) {
    ++target->second;
    if (--source->second == 0) counts_.erase(source);
    return;
  }
  // A line alone at its width takes its entry along: typing needs no allocation.
  if (source->second == 1) {
    auto entry = counts_.extract(source);
    entry.key() = to;
    counts_.insert(std::move(entry));
    return;
  }
  --source->second;
  try {
    counts_.emplace(to, 1);
  } catch (const std::bad_alloc&) {
    Invalidate();
  }
}
