#include "tools/relative_path.h"

#include "platform/path_text.h"

namespace relative_path {
namespace {

constexpr auto kNone = std::u16string_view::npos;

// What a full path lies on: "C:" for a drive path, "\\server\share" for a
// UNC path. Paths compare only below equal volumes.
std::u16string_view VolumeOf(std::u16string_view path) {
  if (!path.starts_with(u"\\\\")) return path.substr(0, path.find(u'\\'));
  const std::size_t server_end = path.find(u'\\', 2);
  if (server_end == kNone) return path;
  return path.substr(0, path.find(u'\\', server_end + 1));
}

// The folders between a path's volume and its name, as "\a\b"; false when
// the path has no folder below a volume.
bool FoldersOf(std::u16string_view path, std::u16string_view& folders) {
  const std::size_t volume = VolumeOf(path).size();
  const std::size_t last = path.rfind(u'\\');
  if (last == kNone || last < volume) return false;
  folders = path.substr(volume, last - volume);
  return true;
}

// Takes the next folder off the front of "\a\b".
bool NextFolder(std::u16string_view& folders, std::u16string_view& folder) {
  if (folders.empty()) return false;
  folders.remove_prefix(1);
  folder = folders.substr(0, folders.find(u'\\'));
  folders.remove_prefix(folder.size());
  return true;
}

bool AppendRelativeFolders(std::u16string_view document, std::u16string_view file, WideString& text) {
  std::u16string_view document_folders, file_folders;
  if (document.empty() || !path_text::SameName(VolumeOf(document), VolumeOf(file)) ||
      !FoldersOf(document, document_folders) || !FoldersOf(file, file_folders))
    return true;
  std::u16string_view document_folder, file_folder;
  bool document_left = NextFolder(document_folders, document_folder);
  bool file_left = NextFolder(file_folders, file_folder);
  while (document_left && file_left && path_text::SameName(document_folder, file_folder)) {
    document_left = NextFolder(document_folders, document_folder);
    file_left = NextFolder(file_folders, file_folder);
  }
  for (; document_left; document_left = NextFolder(document_folders, document_folder)) {
    if (!text.Append(u"../")) return false;
  }
  for (; file_left; file_left = NextFolder(file_folders, file_folder)) {
    if (!text.Append(file_folder) || !text.Append(u'/')) return false;
  }
  return true;
}

}  // namespace

bool PathText(std::u16string_view document, std::u16string_view file, WideString& text) {
  text.Clear();
  const std::u16string_view name = file.substr(file.rfind(u'\\') + 1);
  return AppendRelativeFolders(document, file, text) && text.Append(name);
}

}  // namespace relative_path
