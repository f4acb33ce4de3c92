#include "docs/tabs/tab_stamps.h"

#include <algorithm>
#include <new>

namespace {
// Grown in steps so that opening many files does not reallocate each time.
constexpr std::size_t kGrowth = 32;
}  // namespace

bool TabStamps::Insert(std::int32_t index) {
  if (index < 0 || index > Count()) return false;
  try {
    if (stamps_.size() == stamps_.capacity()) stamps_.reserve(stamps_.size() + kGrowth);
    stamps_.insert(stamps_.begin() + index, next_++);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

void TabStamps::Renew(std::int32_t index) {
  if (index >= 0 && index < Count()) stamps_[static_cast<std::size_t>(index)] = next_++;
}

void TabStamps::Remove(std::int32_t index) {
  if (index >= 0 && index < Count()) stamps_.erase(stamps_.begin() + index);
}

void TabStamps::Move(std::int32_t from, std::int32_t to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
  const auto first = stamps_.begin();
  if (from < to) {
    std::rotate(first + from, first + from + 1, first + to + 1);
  } else {
    std::rotate(first + to, first + from, first + from + 1);
  }
}

std::int32_t TabStamps::MostRecent() const {
  if (stamps_.empty()) return -1;
  return static_cast<std::int32_t>(std::max_element(stamps_.begin(), stamps_.end()) - stamps_.begin());
}

void TabStamps::Reset() {
  stamps_.clear();
  next_ = 0;
}
