#include "settings/options/send_to.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/com_pointer.h"
#include "platform/path_text.h"
#include "platform/wide_string.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace send_to {
namespace {

const wchar_t* Wide(const WideString& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

bool ShortcutPath(std::u16string_view program_path, WideString& path) {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_SENDTO, nullptr, SHGFP_TYPE_CURRENT, folder))) return false;
  return path.AssignJoined(reinterpret_cast<const char16_t*>(folder), path_text::BaseName(program_path)) &&
         path.Append(u".lnk");
}

bool MakeShortcut(const WideString& shortcut, std::u16string_view program_path) {
  WideString target;
  if (!target.Assign(program_path)) return false;
  ComPointer<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.Out()))) ||
      FAILED(link->SetPath(Wide(target)))) {
    return false;
  }
  ComPointer<IPersistFile> file;
  return SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))) &&
         SUCCEEDED(file->Save(Wide(shortcut), TRUE));
}

}  // namespace

bool Exists(std::u16string_view program_path) {
  WideString shortcut;
  if (!ShortcutPath(program_path, shortcut)) return false;
  const DWORD attributes = GetFileAttributesW(Wide(shortcut));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Set(std::u16string_view program_path, bool wanted) {
  WideString shortcut;
  if (!ShortcutPath(program_path, shortcut)) return false;
  if (wanted) return MakeShortcut(shortcut, program_path);
  return DeleteFileW(Wide(shortcut)) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace send_to
