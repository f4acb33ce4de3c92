#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "base/settings_location.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace settings_location {
namespace {

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

class SystemFolders : public FolderQueries {
 public:
  bool SetCurrentFolder(const char16_t* folder) override { return SetCurrentDirectoryW(Wide(folder)); }
  bool FileExists(const char16_t* path) override { return PathFileExistsW(Wide(path)); }
  bool IsFolder(const char16_t* path) override { return PathIsDirectoryW(Wide(path)); }
  bool CreateFolder(const char16_t* path) override { return CreateDirectoryW(Wide(path), nullptr); }
  bool AppDataFolder(WideString& folder) override {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return false;
    return folder.Assign(reinterpret_cast<const char16_t*>(path));
  }
};

}  // namespace

FolderQueries& SystemFolderQueries() {
  static SystemFolders folders;
  return folders;
}

}  // namespace settings_location
