#include "base/language/language_dialog_win32.h"

#include <cstdint>
#include <cstring>

#include "base/language/dialog_template.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "platform/heap.h"

namespace language_dialog {
namespace {

// A patched private copy of a template, freed when it goes out of scope.
class TemplateCopy {
 public:
  TemplateCopy(const void* bytes, std::size_t size, int ui_font_height) {
    if (!bytes || !size) return;
    auto* copy = static_cast<std::uint8_t*>(heap::Allocate(heap::Kind::Private, size));
    if (!copy) return;
    std::memcpy(copy, bytes, size);
    if (!dialog_template::SetPointSize(copy, size, dialog_template::PointSizeFor(ui_font_height))) {
      heap::Free(heap::Kind::Private, copy);
      return;
    }
    block_ = copy;
  }
  ~TemplateCopy() { heap::Free(heap::Kind::Private, block_); }
  TemplateCopy(const TemplateCopy&) = delete;
  TemplateCopy& operator=(const TemplateCopy&) = delete;

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(block_); }

 private:
  std::uint8_t* block_ = nullptr;
};

bool FindTemplate(unsigned id, const void*& bytes, std::size_t& size) {
  HMODULE module = static_cast<HMODULE>(language_module::Handle());
  HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)) : nullptr;  // RT_DIALOG
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  bytes = loaded ? LockResource(loaded) : nullptr;
  size = bytes ? SizeofResource(module, found) : 0;
  return bytes != nullptr;
}

HINSTANCE ProgramInstance() { return static_cast<HINSTANCE>(Frame().program_module); }

}  // namespace

INT_PTR RunModalFrom(const void* bytes, std::size_t size, HWND owner, DLGPROC procedure, LPARAM parameter,
                     int ui_font_height) {
  TemplateCopy copy(bytes, size, ui_font_height);
  if (!copy.Get()) return -1;
  return DialogBoxIndirectParamW(ProgramInstance(), copy.Get(), owner, procedure, parameter);
}

HWND CreateModelessFrom(const void* bytes, std::size_t size, HWND owner, DLGPROC procedure, LPARAM parameter,
                        int ui_font_height) {
  TemplateCopy copy(bytes, size, ui_font_height);
  if (!copy.Get()) return nullptr;
  return CreateDialogIndirectParamW(ProgramInstance(), copy.Get(), owner, procedure, parameter);
}

INT_PTR RunModal(unsigned id, HWND owner, DLGPROC procedure, LPARAM parameter, int ui_font_height) {
  const void* bytes;
  std::size_t size;
  if (!FindTemplate(id, bytes, size)) return -1;
  return RunModalFrom(bytes, size, owner, procedure, parameter, ui_font_height);
}

HWND CreateModeless(unsigned id, HWND owner, DLGPROC procedure, LPARAM parameter, int ui_font_height) {
  const void* bytes;
  std::size_t size;
  if (!FindTemplate(id, bytes, size)) return nullptr;
  return CreateModelessFrom(bytes, size, owner, procedure, parameter, ui_font_height);
}

}  // namespace language_dialog
