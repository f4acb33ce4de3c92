#pragma once
// The favourite folders as the tree changes them: a folder is there once,
// whatever the letter case it was given in.  Nodes find their entry by
// path, so that no node holds on to an element the list may move.
#include <cstddef>
#include <string_view>
#include <vector>

#include "settings/settings_file.h"

namespace favourites {

inline constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::size_t IndexOf(const std::vector<FavouriteFolder>& list, std::u16string_view path);
// Appends the folder; false when it is already there or memory ran out.
bool Add(std::vector<FavouriteFolder>& list, std::u16string_view path);
// False when the folder was not there.
bool Remove(std::vector<FavouriteFolder>& list, std::u16string_view path);

}  // namespace favourites
