#include "settings/options/language_list.h"

#include <new>

#include "platform/path_text.h"

namespace language_list {

bool Offered(const FolderListing& listing, std::u16string_view program_folder, std::u16string_view in_use,
             const std::function<bool(std::u16string_view file_name)>& usable, std::vector<WideString>& names) {
  std::vector<WideString> found;
  bool complete = true;
  const bool listed = listing.List(program_folder, [&](const ListedEntry& entry) {
    if (entry.folder || !path_text::SameName(path_text::ExtensionOf(entry.name), u".dll")) return true;
    const std::u16string_view name = path_text::BaseName(entry.name);
    if (!path_text::SameName(name, in_use) && !usable(entry.name)) return true;
    try {
      found.emplace_back();
    } catch (const std::bad_alloc&) {
      complete = false;
      return false;
    }
    complete = found.back().Assign(name);
    return complete;
  });
  if (!listed || !complete) return false;
  names = std::move(found);
  return true;
}

}  // namespace language_list
