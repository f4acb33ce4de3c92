#include "e2e/unix_commands.h"

#include <windows.h>

#include "e2e/driver.h"

namespace e2e {

std::string UnixPath(const std::wstring& path) {
  using Convert = char*(CDECL*)(const wchar_t*);
  const auto convert = reinterpret_cast<Convert>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!convert) return {};
  char* unix_path = convert(path.c_str());
  if (!unix_path) return {};
  std::string result = unix_path;
  HeapFree(GetProcessHeap(), 0, unix_path);
  return result;
}

bool RunUnix(const std::string& command, const std::vector<std::string>& arguments) {
  std::string line = command;
  for (const std::string& argument : arguments) line += " \"" + argument + "\"";
  const std::wstring exe = L"Z:\\bin\\" + std::wstring(command.begin(), command.end());
  std::wstring wide_line(line.begin(), line.end());
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(exe.c_str(), wide_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  // Wine's handle of a Linux process may not be waited for: the callers
  // look for what the command does instead.
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return true;
}

SmallVolume::SmallVolume(const std::wstring& folder, unsigned kib) {
  if (Exists(folder)) {
    RunUnix("umount", {UnixPath(folder)});
    WaitUntil(kStartTimeoutMs, [&] { return DeleteTree(folder); });
  }
  if (!CreateDirectoryW(folder.c_str(), nullptr)) return;
  unix_folder_ = UnixPath(folder);
  if (unix_folder_.empty() ||
      !RunUnix("mount", {"-t", "tmpfs", "-o", "size=" + std::to_string(kib) + "k", "tmpfs", unix_folder_}))
    return;
  mounted_ = WaitUntil(kStartTimeoutMs, [&] {
    ULARGE_INTEGER free = {}, total = {};
    return GetDiskFreeSpaceExW(folder.c_str(), &free, &total, nullptr) && total.QuadPart <= kib * 1536ull;
  });
}

SmallVolume::~SmallVolume() {
  if (!unix_folder_.empty()) RunUnix("umount", {unix_folder_});
}

}  // namespace e2e
