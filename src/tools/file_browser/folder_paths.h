#pragma once
// Folder paths as the file browser compares them: ASCII letters without
// case, and a drive's "C:\" the same folder as the "C:" a path's folder
// part gives.
#include <string_view>

namespace folder_paths {

// The path without one trailing backslash.
std::u16string_view Trimmed(std::u16string_view folder);
bool SameFolder(std::u16string_view a, std::u16string_view b);
// path is folder itself or lies anywhere below it.
bool Inside(std::u16string_view path, std::u16string_view folder);
// Everything before the last backslash; empty when there is none.
std::u16string_view FolderOf(std::u16string_view path);
// Everything after the last backslash.
std::u16string_view NameOf(std::u16string_view path);

}  // namespace folder_paths
