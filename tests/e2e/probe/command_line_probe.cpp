// A stand-in for a browser in the program's tool slots: it writes the
// parameters it was started with (its command line after its own name) as
// UTF-16 LE to "<its own path>.txt", so that a scenario can read what an
// external program receives.  The file appears whole, by one rename.
#include <windows.h>

#include <cwchar>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR parameters, int) {
  wchar_t self[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  const std::wstring result = std::wstring(self) + L".txt";
  const std::wstring partial = result + L".part";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const DWORD bytes = static_cast<DWORD>(wcslen(parameters) * sizeof(wchar_t));
  DWORD written = 0;
  const bool whole = WriteFile(file, parameters, bytes, &written, nullptr) && written == bytes;
  CloseHandle(file);
  return whole && MoveFileExW(partial.c_str(), result.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
