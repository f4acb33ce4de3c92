#include "tools/file_browser/favourites.h"

#include "tools/file_browser/folder_paths.h"

namespace favourites {

std::size_t IndexOf(const std::vector<FavouriteFolder>& list, std::u16string_view path) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (folder_paths::SameFolder(list[i].path.View(), path)) return i;
  return kNone;
}

bool Add(std::vector<FavouriteFolder>& list, std::u16string_view path) {
  if (path.empty() || IndexOf(list, path) != kNone) return false;
  FavouriteFolder folder;
  if (!folder.path.Assign(path)) return false;
  list.push_back(std::move(folder));
  return true;
}

bool Remove(std::vector<FavouriteFolder>& list, std::u16string_view path) {
  const std::size_t index = IndexOf(list, path);
  if (index == kNone) return false;
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

}  // namespace favourites
