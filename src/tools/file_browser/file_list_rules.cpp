#include "tools/file_browser/file_list_rules.h"

#include <algorithm>

#include "platform/path_text.h"
#include "tools/file_browser/folder_paths.h"

namespace file_list_rules {
namespace {

using shell_events::Event;

bool ExtensionIn(std::u16string_view name, const std::vector<WideString>& extensions) {
  const std::u16string_view extension = path_text::ExtensionOf(name);
  return !extension.empty() && std::any_of(extensions.begin(), extensions.end(), [&](const WideString& listed) {
           return path_text::SameName(listed.View(), extension);
         });
}

bool ListedFileOfFolder(std::u16string_view path, std::u16string_view folder, const std::vector<WideString>& documents,
                        const std::vector<WideString>& images) {
  if (path.empty() || !folder_paths::SameFolder(folder_paths::FolderOf(path), folder)) return false;
  const std::u16string_view name = folder_paths::NameOf(path);
  return ExtensionIn(name, documents) || ExtensionIn(name, images);
}

}  // namespace

ListChange ChangeFor(Event event, std::u16string_view first, std::u16string_view second,
                     std::u16string_view listed_folder, bool holds_names, const std::vector<WideString>& documents,
                     const std::vector<WideString>& images) {
  if (!holds_names || listed_folder.empty()) return ListChange::kNone;
  switch (event) {
    case Event::kRenameItem:
    case Event::kCreate:
    case Event::kDelete:
      if (ListedFileOfFolder(first, listed_folder, documents, images) ||
          ListedFileOfFolder(second, listed_folder, documents, images))
        return ListChange::kRefill;
      return ListChange::kNone;
    case Event::kRemoveFolder:
    case Event::kRenameFolder:
      return folder_paths::Inside(listed_folder, first) ? ListChange::kClear : ListChange::kNone;
    default:
      return ListChange::kNone;
  }
}

std::int32_t MirroredItem(const std::vector<WideString>& names, std::u16string_view listed_folder,
                          std::u16string_view document_path) {
  if (document_path.empty() || listed_folder.empty() ||
      !folder_paths::SameFolder(folder_paths::FolderOf(document_path), listed_folder))
    return -1;
  const std::u16string_view name = folder_paths::NameOf(document_path);
  for (std::size_t i = 0; i < names.size(); ++i)
    if (path_text::SameName(names[i].View(), name)) return static_cast<std::int32_t>(i);
  return -1;
}

bool OpensAsDocument(std::u16string_view name, const std::vector<WideString>& documents) {
  return ExtensionIn(name, documents);
}

}  // namespace file_list_rules
