#include "docs/tabs/bookmark_list.h"

#include <limits>
#include <new>
#include <utility>

#include "platform/path_text.h"

namespace bookmark_list {

Toggled Toggle(std::vector<Bookmark>& list, std::u16string_view path, std::int32_t line) {
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (it->line == line && path_text::SameName(it->path.View(), path)) {
      list.erase(it);
      return Toggled::kRemoved;
    }
  }
  if (list.size() >= kCapacity) return Toggled::kFull;
  Bookmark added;
  added.line = line;
  if (!added.path.Assign(path)) return Toggled::kFailed;
  try {
    list.push_back(std::move(added));
  } catch (const std::bad_alloc&) {
    return Toggled::kFailed;
  }
  return Toggled::kAdded;
}

void LinesInserted(std::vector<Bookmark>& list, std::u16string_view path, std::int32_t line, std::int32_t count) {
  if (line < 0 || count < 1) return;
  for (Bookmark& mark : list) {
    if (mark.line < line || !path_text::SameName(mark.path.View(), path)) continue;
    // Lines never exceed the int range, but the sum of two may.
    const std::int64_t moved = static_cast<std::int64_t>(mark.line) + count;
    mark.line = moved > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                                 : static_cast<std::int32_t>(moved);
  }
}

void LinesRemoved(std::vector<Bookmark>& list, std::u16string_view path, std::int32_t line, std::int32_t count,
                  std::vector<std::int32_t>* removed) {
  if (line < 0 || count < 1) return;
  const std::int64_t end = static_cast<std::int64_t>(line) + count;
  for (auto it = list.begin(); it != list.end();) {
    if (it->line < line || !path_text::SameName(it->path.View(), path)) {
      ++it;
    } else if (it->line < end) {
      if (removed) removed->push_back(it->line);
      it = list.erase(it);
    } else {
      it->line -= count;
      ++it;
    }
  }
}

std::vector<std::int32_t> LinesOf(const std::vector<Bookmark>& list, std::u16string_view path) {
  std::vector<std::int32_t> lines;
  for (const Bookmark& mark : list)
    if (path_text::SameName(mark.path.View(), path)) lines.push_back(mark.line);
  return lines;
}

}  // namespace bookmark_list
