#pragma once
// The recent-files list (at most 20, most recent first): a file opened
// moves to the front keeping its stored line; a new one enters with line 0
// and pushes the oldest out when the list is full.
#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace recent_files {

inline constexpr std::size_t kCapacity = 20;

// Puts path (compared as paths are) at the front; false (list unchanged) when memory runs out.
bool Add(std::vector<RecentFile>& list, std::u16string_view path);
// The stored line of path, 0 when it is not in the list.
std::int32_t LineOf(const std::vector<RecentFile>& list, std::u16string_view path);
// A closing document's caret line, kept in its entry when it has one.
void KeepLine(std::vector<RecentFile>& list, std::u16string_view path, std::int32_t line);
// The file dialogs' start folder after a recent file or a bookmark was
// chosen: everything before the entry path's last "\", the whole path when
// it has none.
std::u16string_view FolderOfEntry(std::u16string_view path);

}  // namespace recent_files
