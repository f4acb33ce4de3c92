#pragma once
// The file list's decisions that need no window: what a shell change does
// to the list, which item mirrors the active document, and which names a
// click opens.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/wide_string.h"
#include "tools/file_browser/shell_events.h"

namespace file_list_rules {

enum class ListChange { kNone, kRefill, kClear };

// A change event with its two paths (either may be empty) against the
// listed folder.  Files come and go in the folder: a refill when a listed
// kind of file is concerned; the folder itself or one above it goes: the
// list is cleared.  An empty list is left for the next choice of folder.
ListChange ChangeFor(shell_events::Event event, std::u16string_view first, std::u16string_view second,
                     std::u16string_view listed_folder, bool holds_names, const std::vector<WideString>& documents,
                     const std::vector<WideString>& images);

// The item to select for the active document (path empty when it has
// none); -1 when nothing should be selected.
std::int32_t MirroredItem(const std::vector<WideString>& names, std::u16string_view listed_folder,
                          std::u16string_view document_path);

// Only documents open from the list; images are there to be dragged.
bool OpensAsDocument(std::u16string_view name, const std::vector<WideString>& documents);

}  // namespace file_list_rules
