// The release packages as a user meets them: the installer run silently
// into a chosen folder, the installed program and its manual, the
// uninstaller, and the portable copy unpacked from its zip.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <map>
#include <string>
#include <vector>

#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/settings_file.h"
#include "version.h"

namespace e2e {
namespace {

constexpr DWORD kPackageTimeoutMs = 60000;
constexpr WORD kHelpCommand = 5610;
const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vorndel";
const wchar_t kOpenWithKey[] = L"Software\\Classes\\.html\\OpenWithProgids";
const std::vector<std::wstring> kReleaseFiles = {L"Vorndel.exe", L"English.dll", L"Japanese.dll", L"OptTags_en.txt",
                                                 L"Vorndel.chm"};

std::wstring Widen(const char* text) { return std::wstring(text, text + strlen(text)); }

// build/win/package, where the build leaves the packages.
std::wstring PackageFolder() { return BinFolder().substr(0, BinFolder().rfind(L'\\')) + L"\\package"; }

// Runs a command line and waits for its end; false on a start failure or
// a timeout.
bool RunToEnd(const std::wstring& command_line, DWORD& exit_code) {
  std::wstring line = command_line;
  STARTUPINFOW startup = {sizeof startup};
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  const bool ended = WaitForSingleObject(process.hProcess, kPackageTimeoutMs) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 1);
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended;
}

// The "a.b.c.d" of a file's version resource; empty without one.
std::wstring FileVersion(const std::wstring& path) {
  DWORD ignored = 0;
  std::vector<BYTE> block(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  if (block.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
      !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) || !fixed)
    return L"";
  return std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(fixed->dwFileVersionMS)) +
         L"." + std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
         std::to_wstring(LOWORD(fixed->dwFileVersionLS));
}

// A string value of HKLM or HKCU (the installer writes one of them, after
// the install mode); `found` is false when neither has it.
std::wstring RegistryText(const wchar_t* key, const wchar_t* value, bool& found) {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    wchar_t text[512] = {};
    DWORD bytes = sizeof text - sizeof(wchar_t);
    if (RegGetValueW(root, key, value, RRF_RT_REG_SZ, nullptr, text, &bytes) == ERROR_SUCCESS) {
      found = true;
      return text;
    }
  }
  found = false;
  return L"";
}

bool RegistryHas(const wchar_t* key, const wchar_t* value) {
  bool found = false;
  RegistryText(key, value, found);
  return found;
}

// The Start menu shortcut, in the programs folder of everyone or of the user.
bool StartMenuShortcutExists() {
  for (int folder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)) &&
        Exists(std::wstring(path) + L"\\Vorndel.lnk"))
      return true;
  }
  return false;
}

// Every file under a folder with its size and last write, to tell whether
// a run wrote anything there.
void Snapshot(const std::wstring& folder, std::map<std::wstring, ULONGLONG>& files) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring full = folder + L"\\" + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      files[full + L"\\"] = 0;
      Snapshot(full, files);
    } else {
      files[full] = (ULONGLONG{entry.ftLastWriteTime.dwHighDateTime} << 32 | entry.ftLastWriteTime.dwLowDateTime) ^
                    (ULONGLONG{entry.nFileSizeHigh} << 32 | entry.nFileSizeLow);
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

// Where programs keep what they write for the user: the roaming and the
// local application data (the rest of Wine's profile links to the home
// folder).
std::wstring ProfileFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// Starts the program, waits for its main window, takes the shot and closes
// it as a user would, so that it writes its settings.
void StartShowAndClose(const std::wstring& exe, const std::wstring& shot) {
  Program program(exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr) << "no main window";
  Screenshot(shot);
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code));
}

TEST(Package, TheInstallerInstallsSilentlyAndTheUninstallerLeavesTheSettings) {
  const std::wstring setup = PackageFolder() + L"\\Vorndel-" + Widen(VORNDEL_VERSION_TEXT) + L"-setup.exe";
  ASSERT_TRUE(Exists(setup)) << "no installer built";
  EXPECT_EQ(FileVersion(setup), Widen(VORNDEL_VERSION_TEXT));
  const std::wstring app_data = AppDataFolder();
  ASSERT_TRUE(DeleteTree(app_data));
  bool found = false;
  const std::wstring html_default = RegistryText(L"Software\\Classes\\.html", nullptr, found);

  // A folder with a space: /D= takes the rest of the line unquoted.
  Scratch scratch(ScenarioName());
  const std::wstring folder = scratch.File(L"Vorndel Files");
  DWORD code = 99;
  ASSERT_TRUE(RunToEnd(Quote(setup) + L" /S /D=" + folder, code)) << "the installer did not end";
  EXPECT_EQ(code, 0u);
  for (const std::wstring& name : kReleaseFiles) {
    EXPECT_TRUE(Exists(folder + L"\\" + name)) << "not installed: " << std::string(name.begin(), name.end());
    if (name.ends_with(L".exe") || name.ends_with(L".dll"))
      EXPECT_EQ(FileVersion(folder + L"\\" + name), Widen(VORNDEL_VERSION_TEXT));
  }
  EXPECT_FALSE(Exists(folder + L"\\Vorndel.ini")) << "an installed copy must keep its settings in the profile";
  EXPECT_TRUE(StartMenuShortcutExists());
  EXPECT_EQ(RegistryText(kUninstallKey, L"DisplayVersion", found), Widen(VORNDEL_VERSION_TEXT));
  EXPECT_EQ(RegistryText(kUninstallKey, L"InstallLocation", found), folder);
  EXPECT_TRUE(RegistryHas(kOpenWithKey, L"Vorndel.Document"));
  EXPECT_EQ(RegistryText(L"Software\\Classes\\.html", nullptr, found), html_default) << "the default program changed";

  {
    Program program(folder + L"\\Vorndel.exe", {});
    HWND window = program.WaitMainWindow();
    ASSERT_NE(window, nullptr) << "the installed program shows no main window";
    Screenshot(ScenarioName() + L".installed");
    // The manual opens in the HTML Help viewer of the program's own process.
    ASSERT_TRUE(SendCommand(window, kHelpCommand));
    HWND viewer = nullptr;
    WaitUntil(kStartTimeoutMs, [&] {
      HWND help = FindWindowW(L"HH Parent", nullptr);
      DWORD owner = 0;
      if (help && GetWindowThreadProcessId(help, &owner) && owner == program.Id() && IsWindowVisible(help))
        viewer = help;
      return viewer != nullptr;
    });
    Screenshot(ScenarioName() + L".help");
    ASSERT_NE(viewer, nullptr) << "no help viewer window";
    // Its contents tree holds the manual's table of contents.  (Wine's
    // viewer draws no page here: the test prefix has no HTML engine.)
    HWND tree = nullptr;
    EnumChildWindows(
        viewer,
        [](HWND child, LPARAM found) {
          wchar_t name[32] = {};
          GetClassNameW(child, name, 32);
          if (std::wstring(name) != L"SysTreeView32") return TRUE;
          *reinterpret_cast<HWND*>(found) = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&tree));
    ASSERT_NE(tree, nullptr) << "the viewer has no contents tree";
    EXPECT_GT(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 0) << "the contents are empty";
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code));
  }
  ASSERT_TRUE(Exists(app_data + L"\\Vorndel.ini")) << "the installed program kept no settings";

  // The uninstaller copies itself away and goes on from there; its last
  // step takes it out of the programs list.
  ASSERT_TRUE(RunToEnd(Quote(folder + L"\\Uninstall.exe") + L" /S", code));
  EXPECT_TRUE(WaitUntil(kPackageTimeoutMs, [&] { return !RegistryHas(kUninstallKey, L"DisplayVersion"); }))
      << "still in the programs list";
  EXPECT_FALSE(Exists(folder)) << "the folder is still there";
  EXPECT_FALSE(StartMenuShortcutExists());
  EXPECT_FALSE(RegistryHas(kOpenWithKey, L"Vorndel.Document"));
  EXPECT_TRUE(Exists(app_data + L"\\Vorndel.ini")) << "the uninstaller took the settings";
  EXPECT_TRUE(Exists(app_data + L"\\Tags.txt")) << "the uninstaller took the tag library";
}

TEST(Package, ThePortableCopyKeepsItsSettingsBesideItselfAndLeavesTheProfileAlone) {
  // The build unpacks the zip it made; each run starts from a fresh copy.
  const std::wstring unpacked = PackageFolder() + L"\\unpacked\\Vorndel";
  Scratch scratch(ScenarioName());
  std::vector<std::wstring> names = kReleaseFiles;
  names.push_back(L"Vorndel.ini");
  for (const std::wstring& name : names)
    ASSERT_TRUE(CopyFileW((unpacked + L"\\" + name).c_str(), scratch.File(name).c_str(), FALSE))
        << "not in the zip: " << std::string(name.begin(), name.end());
  ASSERT_TRUE(DeleteTree(AppDataFolder()));

  std::map<std::wstring, ULONGLONG> before, after;
  for (int csidl : {CSIDL_APPDATA, CSIDL_LOCAL_APPDATA}) Snapshot(ProfileFolder(csidl), before);
  StartShowAndClose(scratch.File(L"Vorndel.exe"), ScenarioName());
  for (int csidl : {CSIDL_APPDATA, CSIDL_LOCAL_APPDATA}) Snapshot(ProfileFolder(csidl), after);
  for (const auto& [path, stamp] : after) {
    const auto old = before.find(path);
    EXPECT_TRUE(old != before.end() && old->second == stamp)
        << "written into the profile: " << std::string(path.begin(), path.end());
  }

  SettingsFile written;
  EXPECT_TRUE(written.Parse(ReadWholeFile(scratch.File(L"Vorndel.ini"))));
  EXPECT_EQ(written.String(0), L"English");
  EXPECT_TRUE(Exists(scratch.File(L"Tags.txt"))) << "the tag library was not kept beside the program";
}

}  // namespace
}  // namespace e2e
