#include "base/language/language_module.h"

#include <windows.h>

#include "base/language/language_choice.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace language_module {
namespace {

HMODULE module = nullptr;
WideString module_name;

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// A module loaded this way is never initialised or run; its resources are
// all the program reads.
HMODULE LoadAsData(const char16_t* path) {
  return LoadLibraryExW(Wide(path), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

bool SignatureIn(HMODULE candidate) {
  HRSRC found = FindResourceW(candidate, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return false;
  const DWORD size = SizeofResource(candidate, found);
  HGLOBAL loaded = LoadResource(candidate, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  return language_choice::HasSignature(data, size);
}

// False when the module is there but unusable; `absent` tells the caller
// it may try the next name.
bool TryModule(std::u16string_view program_folder, std::u16string_view name, bool& absent) {
  absent = false;
  WideString path;
  if (!language_choice::ModulePath(program_folder, name, path)) return false;
  HMODULE candidate = LoadAsData(path.Text());
  if (!candidate) {
    absent = true;
    return false;
  }
  WideString loaded_name;
  if (!SignatureIn(candidate) || !loaded_name.Assign(name)) {
    FreeLibrary(candidate);
    return false;
  }
  Unload();
  module = candidate;
  module_name = std::move(loaded_name);
  return true;
}

}  // namespace

bool Load(std::u16string_view stored_name, std::u16string_view program_folder) {
  std::u16string_view names[language_choice::kMaxCandidates];
  const std::size_t count = language_choice::Candidates(stored_name, GetUserDefaultUILanguage(), names);
  for (std::size_t i = 0; i < count; ++i) {
    bool absent = false;
    if (TryModule(program_folder, names[i], absent)) return true;
    if (!absent) return false;
  }
  return false;
}

bool Switch(std::u16string_view name, std::u16string_view program_folder) {
  bool absent = false;
  return language_choice::IsPlainName(name) && TryModule(program_folder, name, absent);
}

void Unload() {
  if (module) FreeLibrary(module);
  module = nullptr;
}

bool Loaded() { return module != nullptr; }
const WideString& Name() { return module_name; }
void* Handle() { return module; }

bool Probe(const char16_t* path) {
  HMODULE candidate = LoadAsData(path);
  if (!candidate) return false;
  const bool usable = SignatureIn(candidate);
  FreeLibrary(candidate);
  return usable;
}

bool String(unsigned id, WideString& text, std::uint32_t limit) {
  if (!text.Reserve(limit)) return false;
  const int length = module ? LoadStringW(module, id, reinterpret_cast<wchar_t*>(text.Data()),
                                          static_cast<int>(limit) + 1)
                            : 0;
  text.SetLength(length > 0 ? static_cast<std::uint32_t>(length) : 0);
  return true;
}

std::u16string_view StringView(unsigned id) {
  const wchar_t* text = nullptr;
  // A zero buffer size asks for a pointer into the resource itself.
  const int length = module ? LoadStringW(module, id, reinterpret_cast<wchar_t*>(&text), 0) : 0;
  if (length <= 0 || !text) return {};
  return {reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length)};
}

}  // namespace language_module
