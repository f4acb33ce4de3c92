// The settings file across runs: where it is written, the language module
// name kept in it, and the documents reopened from it.
#include <gtest/gtest.h>

#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

constexpr std::uint32_t kLanguageName = 0;
constexpr std::uint32_t kReopen = 296;
constexpr std::uint32_t kReopenPaths = 297;
constexpr std::uint32_t kReopenActive = 353;

void Close(Program& program, HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code));
  EXPECT_EQ(code, 0u);
}

TEST(Settings, AFallbackLanguageModuleIsRecordedAtExit) {
  InstalledProgram installed(ScenarioName());
  SettingsFile settings;
  settings.SetString(kLanguageName, L"Klingon");
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", settings.Bytes()));
  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  Screenshot(ScenarioName());
  Close(program, window);

  SettingsFile written;
  ASSERT_TRUE(written.Parse(ReadWholeFile(installed.scratch.File(L"Vorndel.ini"))));
  EXPECT_EQ(written.String(kLanguageName), L"English");
}

TEST(Settings, ThePreviousRunsDocumentsAreReopenedAndKeptForTheNext) {
  InstalledProgram installed(ScenarioName());
  ASSERT_TRUE(installed.scratch.Write(L"a.html", "a"));
  ASSERT_TRUE(installed.scratch.Write(L"c.html", "c"));
  SettingsFile settings;
  settings.SetInt(kReopen, 1);
  settings.SetString(kReopenPaths + 0, installed.scratch.File(L"a.html"));
  settings.SetString(kReopenPaths + 1, installed.scratch.File(L"gone.html"));  // skipped
  settings.SetString(kReopenPaths + 2, installed.scratch.File(L"c.html"));
  // Slot 3 empty: the list ends there.
  settings.SetString(kReopenPaths + 4, installed.scratch.File(L"a.html"));
  settings.SetInt(kReopenActive, 0);
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", settings.Bytes()));

  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForFiles(window, 2));
  EXPECT_EQ(OpenedFiles(window),
            (std::vector<std::wstring>{installed.scratch.File(L"a.html"), installed.scratch.File(L"c.html")}));
  EXPECT_EQ(ActiveFile(window), 0);
  Screenshot(ScenarioName());
  Close(program, window);

  SettingsFile written;
  ASSERT_TRUE(written.Parse(ReadWholeFile(installed.scratch.File(L"Vorndel.ini"))));
  EXPECT_EQ(written.Int(kReopen), 1);
  EXPECT_EQ(written.String(kReopenPaths + 0), installed.scratch.File(L"a.html"));
  EXPECT_EQ(written.String(kReopenPaths + 1), installed.scratch.File(L"c.html"));
  EXPECT_EQ(written.String(kReopenPaths + 2), L"");
  EXPECT_EQ(written.Int(kReopenActive), 0);
}

}  // namespace
}  // namespace e2e
