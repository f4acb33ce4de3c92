#include "settings/dialogs/bookmark_rows.h"

#include <algorithm>
#include <new>

#include "settings/dialogs/number_field.h"

namespace bookmark_rows {

bool ToBookmarks(std::span<const Row> rows, std::vector<Bookmark>& bookmarks) {
  std::vector<Bookmark> taken;
  try {
    for (const Row& row : rows) {
      if (row.path.empty()) continue;
      Bookmark& bookmark = taken.emplace_back();
      bookmark.line = std::max(number_field::Read(row.line) - 1, 0);
      if (!bookmark.path.Assign(row.path) || !bookmark.name.Assign(row.name)) return false;
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  bookmarks = std::move(taken);
  return true;
}

}  // namespace bookmark_rows
