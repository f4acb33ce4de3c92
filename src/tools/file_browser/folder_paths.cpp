#include "tools/file_browser/folder_paths.h"

#include "platform/path_text.h"

namespace folder_paths {

std::u16string_view Trimmed(std::u16string_view folder) {
  if (!folder.empty() && folder.back() == u'\\') folder.remove_suffix(1);
  return folder;
}

bool SameFolder(std::u16string_view a, std::u16string_view b) {
  return path_text::SameName(Trimmed(a), Trimmed(b));
}

bool Inside(std::u16string_view path, std::u16string_view folder) {
  folder = Trimmed(folder);
  path = Trimmed(path);
  if (folder.empty() || path.size() < folder.size()) return false;
  if (!path_text::SameName(path.substr(0, folder.size()), folder)) return false;
  return path.size() == folder.size() || path[folder.size()] == u'\\';
}

std::u16string_view FolderOf(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? std::u16string_view() : path.substr(0, slash);
}

std::u16string_view NameOf(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace folder_paths
