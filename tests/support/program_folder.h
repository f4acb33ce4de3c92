#pragma once
// The folder of the running test program, where the build also puts the
// language modules.  Windows tests only.
#include <windows.h>

#include <string>

namespace test_support {

inline std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return folder.substr(0, folder.rfind(L'\\'));
}

inline std::u16string U16(const std::wstring& text) { return {text.begin(), text.end()}; }

}  // namespace test_support
