#include "tools/file_browser/file_collection.h"

#include <algorithm>

#include "platform/natural_order.h"
#include "platform/path_text.h"

namespace file_collection {
namespace {

bool EndsWith(std::u16string_view name, std::u16string_view tail) {
  return name.size() >= tail.size() && path_text::SameName(name.substr(name.size() - tail.size()), tail);
}

bool ShownForAny(const ListedEntry& entry, const std::vector<WideString>& extensions) {
  return std::any_of(extensions.begin(), extensions.end(),
                     [&](const WideString& extension) { return ShownFor(entry, extension.View()); });
}

}  // namespace

bool ShownFor(const ListedEntry& entry, std::u16string_view extension) {
  const std::u16string_view name = entry.name;
  if (entry.folder || extension.empty() || name.size() < extension.size()) return false;
  if (name[name.size() - extension.size()] != u'.') return false;
  return EndsWith(name, extension) || EndsWith(entry.short_name, extension);
}

bool Collect(const FolderListing& listing, std::u16string_view folder, const std::vector<WideString>& documents,
             const std::vector<WideString>& images, std::vector<WideString>& names) {
  names.clear();
  const bool listed = listing.List(folder, [&](const ListedEntry& entry) {
    if (!ShownForAny(entry, documents) && !ShownForAny(entry, images)) return true;
    WideString name;
    if (!name.Assign(entry.name)) return false;
    names.push_back(std::move(name));
    return true;
  });
  if (!listed || names.empty()) {
    names.clear();
    return false;
  }
  natural_order::Sort(names);
  return true;
}

}  // namespace file_collection
