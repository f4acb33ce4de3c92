#include "editor/paint/marked_lines.h"

#include <algorithm>
#include <new>

bool MarkedLines::Add(std::int32_t line) {
  try {
    lines_.insert(std::upper_bound(lines_.begin(), lines_.end(), line), line);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool MarkedLines::Remove(std::int32_t line) {
  const auto found = std::lower_bound(lines_.begin(), lines_.end(), line);
  if (found == lines_.end() || *found != line) return false;
  lines_.erase(found);
  return true;
}

bool MarkedLines::Contains(std::int32_t line) const {
  return std::binary_search(lines_.begin(), lines_.end(), line);
}
