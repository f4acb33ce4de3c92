#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <string>

#include "platform/shell_folders.h"

namespace {

static_assert(sizeof(wchar_t) == 2, "UTF-16 paths are passed to Windows as they are");

bool SpecialFolder(int csidl, WideString& out) {
  out.Clear();
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return false;
  return out.Assign(reinterpret_cast<const char16_t*>(path));
}

std::wstring Terminated(std::u16string_view path) { return std::wstring(path.begin(), path.end()); }

class Win32ShellFolders : public ShellFolders {
 public:
  bool PicturesFolder(WideString& out) const override { return SpecialFolder(CSIDL_MYPICTURES, out); }
  bool DocumentsFolder(WideString& out) const override { return SpecialFolder(CSIDL_PERSONAL, out); }
  bool ProgramFilesFolder(WideString& out) const override { return SpecialFolder(CSIDL_PROGRAM_FILES, out); }
  bool IsFolder(std::u16string_view path) const override {
    return !path.empty() && PathIsDirectoryW(Terminated(path).c_str());
  }
  bool FileExists(std::u16string_view path) const override {
    return !path.empty() && PathFileExistsW(Terminated(path).c_str());
  }
};

}  // namespace

const ShellFolders& HostShellFolders() {
  static const Win32ShellFolders shell;
  return shell;
}
