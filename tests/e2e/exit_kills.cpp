#include "e2e/exit_kills.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "e2e/driver.h"
#include "e2e/settings_file.h"
#include "platform/file_replace.h"

namespace e2e {
namespace {

// Asks the program to close and ends it `delay_ms` later; false when the
// program had already ended by itself.
bool CloseAndKill(Program& program, HWND window, DWORD delay_ms) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, program.Id());
  EXPECT_NE(process, nullptr);
  PostMessageW(window, WM_CLOSE, 0, 0);
  Sleep(delay_ms);
  const bool killed = WaitForSingleObject(process, 0) == WAIT_TIMEOUT && TerminateProcess(process, 1);
  WaitForSingleObject(process, kExitTimeoutMs);
  CloseHandle(process);
  return killed;
}

// Polls the file's size until it is no longer `old_size`; the time that took.
bool WaitUntilReplaced(const std::wstring& path, std::uint64_t old_size, std::chrono::steady_clock::time_point since,
                       double& elapsed_ms) {
  const auto end = since + std::chrono::milliseconds(kExitTimeoutMs);
  for (;;) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    const auto now = std::chrono::steady_clock::now();
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
        (std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow) != old_size) {
      elapsed_ms = std::chrono::duration<double, std::milli>(now - since).count();
      return true;
    }
    if (now >= end) return false;
  }
}

// A temporary file of what the program writes at exit.
bool ExitTemporary(const std::wstring& name) {
  return (name.rfind(L"Vorndel.ini.", 0) == 0 || name.rfind(L"Tags.txt.", 0) == 0) &&
         byte_file::IsTemporaryName(std::u16string(name.begin(), name.end()));
}

// Writes the old file and, when asked, its second name.
bool PutOldFile(const InstalledProgram& installed, const std::wstring& name, const std::string& old_file,
                const std::wstring& link_folder) {
  if (!installed.scratch.Write(name, old_file)) return false;
  if (link_folder.empty()) return true;
  const std::wstring link = link_folder + L"\\" + name;
  DeleteFileW(link.c_str());
  return CreateHardLinkW(link.c_str(), installed.scratch.File(name).c_str(), nullptr) != 0;
}

}  // namespace

void SweepKillsAtExit(const InstalledProgram& installed, const std::wstring& name, const std::string& old_file,
                      int steps, const std::function<void(const std::string& left)>& check,
                      const std::wstring& link_folder) {
  const std::wstring path = installed.scratch.File(name);
  const std::wstring old_copy = path + L".vorndel-old";
  ASSERT_TRUE(PutOldFile(installed, name, old_file, link_folder));
  // The undisturbed exit: the new file, and how long after the close
  // request it takes the old one's place.
  double replaced_ms = 0;
  {
    Program program(installed.exe, {});
    HWND window = program.WaitMainWindow();
    ASSERT_NE(window, nullptr);
    Screenshot(ScenarioName());
    const auto asked = std::chrono::steady_clock::now();
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntilReplaced(path, old_file.size(), asked, replaced_ms));
    DWORD code = 99;
    ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code));
  }
  const std::string new_file = ReadWholeFile(path);
  ASSERT_NE(new_file.size(), old_file.size());
  check(new_file);

  if (!link_folder.empty()) {
    EXPECT_EQ(ReadWholeFile(link_folder + L"\\" + name), new_file) << "one file, two names";
  }
  int killed = 0, old_kept = 0, new_whole = 0, cut_with_copy = 0;
  for (int step = 0; step <= steps; ++step) {
    const DWORD delay = static_cast<DWORD>(replaced_ms * 1.5 * step / steps);
    SCOPED_TRACE("killed " + std::to_string(delay) + " ms after the close request");
    DeleteFileW(old_copy.c_str());
    ASSERT_TRUE(PutOldFile(installed, name, old_file, link_folder));
    Program program(installed.exe, {});
    HWND window = program.WaitMainWindow();
    ASSERT_NE(window, nullptr);
    killed += CloseAndKill(program, window, delay);
    const std::string left = ReadWholeFile(path);
    if (left == old_file) {
      ++old_kept;
      continue;
    }
    if (left != new_file && !link_folder.empty() && ReadWholeFile(old_copy) == old_file) {
      ++cut_with_copy;
      continue;
    }
    check(left);
    EXPECT_EQ(left.size(), new_file.size());
    EXPECT_TRUE(left == new_file) << "neither the old file nor the new one";
    new_whole += left == new_file;
  }
  // A kill between a temporary file's creation and its rename leaves it
  // behind; nothing else may appear.
  const std::vector<std::wstring> stray = StrayFiles(installed.scratch.Path());
  EXPECT_LE(stray.size(), static_cast<std::size_t>(killed));
  for (const auto& left : stray) EXPECT_TRUE(ExitTemporary(left)) << Narrow({left});
  std::printf(
      "replaced %.1f ms after the close request; %d kills; old file kept %d, new file whole %d, cut with the old "
      "one whole in its copy %d; left: %s\n",
      replaced_ms, killed, old_kept, new_whole, cut_with_copy, Narrow(stray).c_str());
}

std::vector<std::wstring> StrayFiles(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L".." && name != L"Vorndel.exe" && name != L"English.dll" && name != L"Vorndel.ini" &&
        name != L"Tags.txt" && name != L"OptTags_en.txt" && name != L"Recovery")
      names.push_back(name);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return names;
}

std::string Narrow(const std::vector<std::wstring>& names) {
  std::string text;
  for (const auto& name : names) text += std::string(name.begin(), name.end()) + " ";
  return text;
}

}  // namespace e2e
