#pragma once
// The language modules the settings dialog offers: the "*.dll" files of
// the program's folder by base name, in the order the folder lists them.
// The module in use is always offered (it may have been replaced on disk
// since it was loaded); any other only when it passes the signature check.
#include <functional>
#include <string_view>
#include <vector>

#include "platform/folder_listing.h"
#include "platform/wide_string.h"

namespace language_list {

// usable(file name) checks one candidate.  False when the folder cannot
// be listed or memory runs out.
bool Offered(const FolderListing& listing, std::u16string_view program_folder, std::u16string_view in_use,
             const std::function<bool(std::u16string_view file_name)>& usable, std::vector<WideString>& names);

}  // namespace language_list
