#pragma once
// The bookmark list dialog's rows as bookmarks: rows without a path are
// dropped and the others close up in their order; the line is typed
// one-based.
#include <span>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace bookmark_rows {

struct Row {
  std::u16string_view path;
  std::u16string_view line;  // as typed: 1 is the first line
  std::u16string_view name;
};

// The bookmarks the rows give; false, bookmarks untouched, when memory ran
// out.
bool ToBookmarks(std::span<const Row> rows, std::vector<Bookmark>& bookmarks);

}  // namespace bookmark_rows
