// Start-up as a user meets it: a renamed program, missing or forged language
// modules, the settings location, and the ways the program is closed.
#include <gtest/gtest.h>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/real_input.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

// Starts the program, expects the fixed start-up error and that the
// program ends after it is confirmed, without a main window.
void ExpectStartupError(const InstalledProgram& installed, const std::wstring& text,
                        const std::wstring& shot = ScenarioName()) {
  Program program(installed.exe, {});
  ASSERT_TRUE(program.Started());
  MessageBoxSeen seen;
  ASSERT_TRUE(WaitMessageBox(program.Id(), kStartTimeoutMs, seen)) << "no message box";
  EXPECT_EQ(seen.caption, L"Error");
  EXPECT_EQ(seen.text, text);
  Screenshot(shot);
  EXPECT_EQ(MainWindowOf(program.Id()), nullptr);
  PressOk(seen.box);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code)) << "still running after the message";
  EXPECT_EQ(code, 0u);
}

TEST(Startup, AProgramNamedOtherwiseRefusesToStart) {
  InstalledProgram installed(ScenarioName(), L"Editor.exe");
  ExpectStartupError(installed, L"Failed to execute file.");
}

TEST(Startup, TheProgramNameIsMatchedInAnyLetterCase) {
  InstalledProgram installed(ScenarioName(), L"VORNDEL.exe");
  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  Screenshot(ScenarioName());
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code));
  EXPECT_EQ(code, 0u);
}

TEST(Startup, WithoutALanguageModuleItRefusesToStart) {
  InstalledProgram installed(ScenarioName(), L"Vorndel.exe", false);
  ExpectStartupError(installed, L"Language file not found.");
}

// English.dll whose signature resource is replaced.
void ForgeSignature(const InstalledProgram& installed, const char* signature, DWORD bytes) {
  HANDLE update = BeginUpdateResourceW(installed.scratch.File(L"English.dll").c_str(), FALSE);
  ASSERT_NE(update, nullptr);
  ASSERT_TRUE(UpdateResourceW(update, MAKEINTRESOURCEW(10), MAKEINTRESOURCEW(1),
                              MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), const_cast<char*>(signature), bytes));
  ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
}

TEST(Startup, ALanguageModuleWithoutTheSignatureIsRefused) {
  InstalledProgram installed(ScenarioName());
  ForgeSignature(installed, "Vorndex", 8);
  // A usable fallback is not tried once a module has loaded and failed.
  ASSERT_TRUE(installed.scratch.CopyFromBin(L"Japanese.dll", L"Japanese.dll"));
  ExpectStartupError(installed, L"Language file not found.");

  InstalledProgram short_signature(ScenarioName() + L"-short");
  ForgeSignature(short_signature, "Vor", 3);
  ExpectStartupError(short_signature, L"Language file not found.", ScenarioName() + L"-short");
}

TEST(Startup, TheJapaneseModuleIsTheLastFallback) {
  // The stored module and English are both missing.
  InstalledProgram installed(ScenarioName(), L"Vorndel.exe", false);
  ASSERT_TRUE(installed.scratch.CopyFromBin(L"Japanese.dll", L"Japanese.dll"));
  SettingsFile settings;
  settings.SetString(0, L"Klingon");
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", settings.Bytes()));
  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WaitForTabs(window, {L"無題    "})) << "the untitled tab is not in Japanese";
  Screenshot(ScenarioName());
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  EXPECT_TRUE(program.WaitExit(kExitTimeoutMs, code));
}

// Starts the program with no arguments and closes it again.
void StartAndClose(const InstalledProgram& installed, const std::wstring& shot) {
  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  Screenshot(shot);
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code));
}

TEST(Startup, ASettingsFileBesideTheProgramIsUsedAndNothingIsCreatedElsewhere) {
  const std::wstring app_data = AppDataFolder();
  ASSERT_TRUE(DeleteTree(app_data));

  InstalledProgram beside(ScenarioName());
  ASSERT_TRUE(beside.scratch.Write(L"Vorndel.ini", ""));
  StartAndClose(beside, ScenarioName());
  EXPECT_FALSE(Exists(app_data)) << "a folder was made although a settings file was beside the program";
  // It is the file written at exit.
  SettingsFile written;
  EXPECT_TRUE(written.Parse(ReadWholeFile(beside.scratch.File(L"Vorndel.ini"))));
  EXPECT_EQ(written.String(0), L"English");

  // Without one, the application-data folder is made.
  InstalledProgram without(ScenarioName() + L"-without");
  StartAndClose(without, ScenarioName() + L"-without");
  EXPECT_TRUE(Exists(app_data + L"\\Vorndel.ini"));
  EXPECT_FALSE(Exists(without.scratch.File(L"Vorndel.ini")));
}

TEST(Shutdown, ExitCommandCloseRequestAndAltF4EndTheProgram) {
  InstalledProgram installed(ScenarioName());
  for (int way = 0; way < 3; ++way) {
    Program program(installed.exe, {});
    HWND window = program.WaitMainWindow();
    ASSERT_NE(window, nullptr) << way;
    if (way == 0) {
      Screenshot(ScenarioName());
      EXPECT_TRUE(SendCommand(window, 5090));
    } else if (way == 1) {
      PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
      // Real keys: a posted Alt+F4 carries no Alt state, and F4 alone is
      // a shortcut of its own (find previous).
      PressKey(window, VK_F4, false, VK_MENU);
    }
    DWORD code = 99;
    ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code)) << way;
    EXPECT_EQ(code, 0u) << way;
  }
}

}  // namespace
}  // namespace e2e
