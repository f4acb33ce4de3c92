#pragma once
// Which files of a folder the file list shows: those whose names carry one
// of the document or image extensions, each once, in natural order.  One
// pass over the folder gives the names that a search per extension would
// ("*" and the extension, matched by the long name or its short alias),
// keeping only names whose extension is exactly as long as the one listed,
// so that an alias that merely matches does not add its long name.
#include <string_view>
#include <vector>

#include "platform/folder_listing.h"
#include "platform/wide_string.h"

namespace file_collection {

// Whether a file is shown for one extension.
bool ShownFor(const ListedEntry& entry, std::u16string_view extension);

// The shown names of folder (names emptied first); false when the folder
// cannot be listed or shows nothing.  Out of memory keeps what was
// collected.
bool Collect(const FolderListing& listing, std::u16string_view folder, const std::vector<WideString>& documents,
             const std::vector<WideString>& images, std::vector<WideString>& names);

}  // namespace file_collection
