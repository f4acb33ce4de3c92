#include "frame/startup/open_from_outside.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "base/frame_state.h"
#include "frame/documents/document_tabs.h"
#include "platform/com_pointer.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace open_from_outside {
namespace {

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

bool IsShellLink(const WideString& name) {
  SHFILEINFOW info = {};
  info.dwAttributes = SFGAO_LINK;
  return SHGetFileInfoW(Wide(name.Text()), 0, &info, sizeof info, SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED) &&
         (info.dwAttributes & SFGAO_LINK);
}

// Replaces a link's name by its target; on any failure the name stays.
void ResolveLink(WideString& name) {
  ComPointer<IShellLinkW> link;
  ComPointer<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.Out()))))
    return;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out())))) return;
  if (FAILED(file->Load(Wide(name.Text()), STGM_READ))) return;
  wchar_t target[MAX_PATH] = {};
  if (link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY) != S_OK || !target[0]) return;
  name.Assign(reinterpret_cast<const char16_t*>(target));
}

}  // namespace

document_opening::Result OpenName(std::u16string_view given) {
  WideString name;
  if (given.empty() || !name.Assign(given)) return document_opening::kFailed;
  if (IsShellLink(name)) ResolveLink(name);
  if (PathIsDirectoryW(Wide(name.Text())) || !Frame().documents) return document_opening::kFailed;
  return document_tabs::OpenAndFollow(name.View(), kAutoDetect);
}

void Finish() { document_tabs::RememberFolder(); }

}  // namespace open_from_outside
