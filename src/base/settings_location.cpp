#include "base/settings_location.h"

#include "platform/path_text.h"

namespace settings_location {
namespace {

constexpr std::u16string_view kSettingsExtension = u".ini";

// The path without its extension: the text before the last "." that
// follows the last "\".
std::u16string_view WithoutExtension(std::u16string_view path) {
  for (std::size_t i = path.size(); i-- > 0;) {
    if (path[i] == u'\\') break;
    if (path[i] == u'.') return path.substr(0, i);
  }
  return path;
}

std::u16string_view NameOf(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool IsProgramPath(std::u16string_view program_path) {
  return path_text::SameName(NameOf(WithoutExtension(program_path)), kProgramName);
}

std::u16string_view FolderOf(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? std::u16string_view{} : path.substr(0, slash);
}

bool Resolve(std::u16string_view program_path, FolderQueries& queries, WideString& settings_path) {
  if (!IsProgramPath(program_path)) return false;
  WideString file_name;
  if (!file_name.Assign(kProgramName) || !file_name.Append(kSettingsExtension)) return false;

  WideString folder;
  if (!folder.Assign(FolderOf(program_path))) return false;
  // A root folder keeps its "\" so that it still names the drive's root.
  if (folder.Length() == 2 && folder.View()[1] == u':' && !folder.Append(u'\\')) return false;
  queries.SetCurrentFolder(folder.Text());

  WideString candidate;
  if (!candidate.AssignJoined(folder.View(), file_name.View())) return false;
  if (queries.FileExists(candidate.Text())) return settings_path.Assign(candidate.View());

  WideString app_data;
  if (!queries.AppDataFolder(app_data) || app_data.Empty()) return false;
  WideString own_folder;
  if (!own_folder.AssignJoined(app_data.View(), kProgramName)) return false;
  if (!queries.IsFolder(own_folder.Text()) && !queries.CreateFolder(own_folder.Text())) return false;
  if (!candidate.AssignJoined(own_folder.View(), file_name.View())) return false;
  return settings_path.Assign(candidate.View());
}

}  // namespace settings_location
