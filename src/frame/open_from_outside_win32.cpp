#include "frame/open_from_outside.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "frame/error_box.h"
#include "frame/frame_state.h"
#include "frame/main_window.h"
#include "frame/recent_files.h"
#include "frame/settings_location.h"
#include "frame/string_ids.h"
#include "settings/settings.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace open_from_outside {
namespace {

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

template <typename T>
class ComPointer {
 public:
  ~ComPointer() {
    if (pointer_) pointer_->Release();
  }
  T** Out() { return &pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  T* pointer_ = nullptr;
};

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

void OpenName(std::u16string_view given) {
  WideString name;
  if (given.empty() || !name.Assign(given)) return;
  if (IsShellLink(name)) ResolveLink(name);
  if (PathIsDirectoryW(Wide(name.Text())) || !Frame().line_layout) return;
  OpenedFiles& files = Frame().files;
  switch (files.Open(name.View(), *Frame().line_layout)) {
    case OpenedFiles::kFailed:
      error_box::Show(string_ids::kCannotOpen);
      break;
    case OpenedFiles::kOpened: {
      // Plain ASCII detects as single-byte; it is saved as the default.
      LoadedText& text = files.At(static_cast<std::size_t>(files.Active()));
      if (text.encoding == kSingleByte) text.encoding = static_cast<EncodingId>(ProcessSettings().default_encoding);
      recent_files::Add(ProcessSettings().recent_files, name.View());
      main_window::ShowFiles();
      break;
    }
    case OpenedFiles::kActivated:
      main_window::ShowFiles();
      break;
  }
}

void Finish() {
  const OpenedFiles& files = Frame().files;
  if (files.Active() < 0) {
    Frame().last_folder.Assign(ProcessSettings().default_folder.View());
    return;
  }
  const std::u16string_view active = files.At(static_cast<std::size_t>(files.Active())).path.View();
  Frame().last_folder.Assign(settings_location::FolderOf(active));
}

}  // namespace open_from_outside
