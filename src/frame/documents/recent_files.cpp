#include "frame/documents/recent_files.h"

#include <algorithm>
#include <new>
#include <utility>

#include "platform/path_text.h"

namespace recent_files {
namespace {

std::size_t IndexOf(const std::vector<RecentFile>& list, std::u16string_view path) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (path_text::SameName(list[i].path.View(), path)) return i;
  return list.size();
}

}  // namespace

bool Add(std::vector<RecentFile>& list, std::u16string_view path) {
  const std::size_t found = IndexOf(list, path);
  if (found < list.size()) {
    // The entry keeps its line; the ones before it move down by one.
    std::rotate(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(found),
                list.begin() + static_cast<std::ptrdiff_t>(found) + 1);
    return true;
  }
  RecentFile entry;
  if (!entry.path.Assign(path)) return false;
  try {
    list.reserve(std::max(list.size() + 1, kCapacity));
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (list.size() >= kCapacity) list.resize(kCapacity - 1);
  list.insert(list.begin(), std::move(entry));
  return true;
}

std::int32_t LineOf(const std::vector<RecentFile>& list, std::u16string_view path) {
  const std::size_t found = IndexOf(list, path);
  return found < list.size() ? list[found].line : 0;
}

void KeepLine(std::vector<RecentFile>& list, std::u16string_view path, std::int32_t line) {
  const std::size_t found = IndexOf(list, path);
  if (found < list.size()) list[found].line = line;
}

std::u16string_view FolderOfEntry(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(0, slash);
}

}  // namespace recent_files
