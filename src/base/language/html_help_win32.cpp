#include "base/language/html_help.h"

#include <windows.h>

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace html_help {
namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

constexpr UINT kInitialize = 0x1C;    // HH_INITIALIZE
constexpr UINT kUninitialize = 0x1D;  // HH_UNINITIALIZE
constexpr WORD kHtmlHelpOrdinal = 15;
constexpr wchar_t kControlKey[] = L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

bool looked_for = false;
HMODULE library = nullptr;
HtmlHelpFunction function = nullptr;
DWORD_PTR cookie = 0;

// The registered path of the control, environment variables expanded.
HMODULE LoadRegistered() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kControlKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return nullptr;
  wchar_t value[MAX_PATH + 1] = {};
  DWORD type = 0, bytes = sizeof value - sizeof(wchar_t);
  const bool read = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes) ==
                        ERROR_SUCCESS &&
                    (type == REG_SZ || type == REG_EXPAND_SZ);
  RegCloseKey(key);
  if (!read) return nullptr;
  if (type == REG_SZ) return LoadLibraryW(value);
  wchar_t expanded[MAX_PATH + 1];
  const DWORD length = ExpandEnvironmentStringsW(value, expanded, MAX_PATH + 1);
  return length && length <= MAX_PATH + 1 ? LoadLibraryW(expanded) : nullptr;
}

HtmlHelpFunction Function() {
  if (!looked_for) {
    looked_for = true;
    library = LoadRegistered();
    if (!library) library = LoadLibraryW(L"hhctrl.ocx");
    if (library)
      function = reinterpret_cast<HtmlHelpFunction>(
          reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
  }
  return function;
}

}  // namespace

std::uintptr_t Call(void* owner, const char16_t* file, unsigned command, std::uintptr_t data) {
  HtmlHelpFunction help = Function();
  if (!help) return 0;
  return reinterpret_cast<std::uintptr_t>(
      help(static_cast<HWND>(owner), reinterpret_cast<const wchar_t*>(file), command, data));
}

void Initialize() { Call(nullptr, nullptr, kInitialize, reinterpret_cast<std::uintptr_t>(&cookie)); }

void Uninitialize() {
  if (function) Call(nullptr, nullptr, kUninitialize, cookie);
}

}  // namespace html_help
