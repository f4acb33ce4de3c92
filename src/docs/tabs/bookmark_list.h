#pragma once
// The bookmarks (at most 20): a file's path, a line and a note.  They
// follow the edits of their document: lines inserted above push them down,
// removed lines take their bookmarks with them.
#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace bookmark_list {

inline constexpr std::size_t kCapacity = 20;

enum class Toggled { kAdded, kRemoved, kFull, kFailed };

// Removes the bookmark of path at line, or adds one at the end.
Toggled Toggle(std::vector<Bookmark>& list, std::u16string_view path, std::int32_t line);
// count lines were inserted at line (count >= 1, line >= 0; anything else
// is ignored).
void LinesInserted(std::vector<Bookmark>& list, std::u16string_view path, std::int32_t line, std::int32_t count);
// count lines at line went; their bookmarks go, later ones move up.  The
// lines whose marks went are handed to removed (when given).
void LinesRemoved(std::vector<Bookmark>& list, std::u16string_view path, std::int32_t line, std::int32_t count,
                  std::vector<std::int32_t>* removed = nullptr);
// The lines of path's bookmarks, to mark in its editor.
std::vector<std::int32_t> LinesOf(const std::vector<Bookmark>& list, std::u16string_view path);

}  // namespace bookmark_list
