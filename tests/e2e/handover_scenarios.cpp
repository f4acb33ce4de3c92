// One running instance: file names from a second start or from any process
// that sends WM_COPYDATA reach it, and only whole names are opened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/driver.h"
#include "e2e/installed_program.h"

namespace e2e {
namespace {

using Files = std::vector<std::wstring>;

class Handover : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MainWindows().empty()) << "a main window was left over";
    ASSERT_TRUE(installed_.scratch.Write(L"a.html", "<p>a</p>\r\n"));
    ASSERT_TRUE(installed_.scratch.Write(L"b.css", "p { color: red }\n"));
    ASSERT_TRUE(installed_.scratch.Write(L"c.html", "<p>c</p>\n"));
  }

  std::wstring Path(const std::wstring& name) const { return installed_.scratch.File(name); }

  // Starts a second process with args; it must end with code 0 quickly.
  void SecondStart(const std::vector<std::wstring>& args, const std::wstring& folder = {}) {
    Program second(installed_.exe, args, folder);
    ASSERT_TRUE(second.Started());
    DWORD code = 99;
    ASSERT_TRUE(second.WaitExit(kExitTimeoutMs, code)) << "the second process did not end";
    EXPECT_EQ(code, 0u);
  }

  InstalledProgram installed_{ScenarioName()};
};

TEST_F(Handover, ASecondStartHandsItsFilesToTheRunningInstance) {
  Program first(installed_.exe, {Path(L"a.html")});
  HWND window = first.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(OpenedFiles(window), Files{Path(L"a.html")});

  // a.html is open already and is only activated; b.css is added.
  SecondStart({Path(L"A.HTML"), Path(L"b.css")});
  EXPECT_EQ(MainWindows().size(), 1u);
  EXPECT_EQ(OpenedFiles(window), (Files{Path(L"a.html"), Path(L"b.css")}));
  EXPECT_EQ(ActiveFile(window), 1);
  EXPECT_EQ(DocumentText(window), L"p { color: red }\r\n");

  // A minimised instance is restored by the hand-over.
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(window));
  SecondStart({Path(L"a.html")});
  EXPECT_EQ(ActiveFile(window), 0);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsIconic(window); }));
  Screenshot(ScenarioName());
}

// A name without a folder is the started program's current folder's, which
// is neither the program's own folder nor the running instance's.
TEST_F(Handover, EmptyArgumentsAndFoldersAreLeftOutLinksOpenTheirTargetsAndNamesAreFull) {
  ASSERT_TRUE(installed_.scratch.MakeFolder(L"site"));
  ASSERT_TRUE(installed_.scratch.Write(L"site\\a.html", "<p>site a</p>\n"));
  ASSERT_TRUE(installed_.scratch.Write(L"site\\d.css", "p {}\n"));
  ASSERT_TRUE(MakeShellLink(Path(L"c link.lnk"), Path(L"c.html")));
  Program first(installed_.exe, {L"a.html"}, Path(L"site"));
  HWND window = first.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(OpenedFiles(window), Files{Path(L"site\\a.html")});

  SecondStart({L""});
  SecondStart({Path(L"site"), L"", Path(L"c link.lnk")});
  SecondStart({L"d.css"}, Path(L"site"));
  EXPECT_EQ(MainWindows().size(), 1u);
  EXPECT_EQ(OpenedFiles(window), (Files{Path(L"site\\a.html"), Path(L"c.html"), Path(L"site\\d.css")}));
  Screenshot(ScenarioName());
}

TEST_F(Handover, WithoutArgumentsASecondIndependentInstanceStarts) {
  Program first(installed_.exe, {});
  ASSERT_NE(first.WaitMainWindow(), nullptr);
  Program second(installed_.exe, {});
  ASSERT_NE(second.WaitMainWindow(), nullptr);
  EXPECT_EQ(MainWindows().size(), 2u);
  Screenshot(ScenarioName());
}

TEST_F(Handover, CommandLineFilesOpenInOrderAndAFailureDoesNotStopTheRest) {
  Program first(installed_.exe, {Path(L"a.html"), Path(L"missing.html"), Path(L"b.css")});
  MessageBoxSeen seen;
  ASSERT_TRUE(WaitMessageBox(first.Id(), kStartTimeoutMs, seen));
  EXPECT_EQ(seen.caption, L"Error");
  EXPECT_EQ(seen.text, L"The file could not be opened.");
  Screenshot(ScenarioName());
  PressOk(seen.box);
  HWND window = first.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForFiles(window, 2));
  EXPECT_EQ(OpenedFiles(window), (Files{Path(L"a.html"), Path(L"b.css")}));
}

TEST_F(Handover, NamesArrivingWhileAModalDialogIsOpenWaitForItToClose) {
  // A file that cannot be opened makes the program show its error box,
  // which disables the main window until it is confirmed.
  Program first(installed_.exe, {Path(L"missing.html")});
  MessageBoxSeen seen;
  ASSERT_TRUE(WaitMessageBox(first.Id(), kStartTimeoutMs, seen));
  HWND window = MainWindowOf(first.Id());
  ASSERT_NE(window, nullptr);
  const std::wstring block = PackNames({Path(L"a.html")});
  EXPECT_TRUE(SendCopyData(window, 1, block.data(), static_cast<DWORD>(block.size() * 2)));
  Screenshot(ScenarioName());
  EXPECT_TRUE(OpenedFiles(window).empty()) << "opened under the error box";
  PressOk(seen.box);
  EXPECT_TRUE(WaitForFiles(window, 1));
  EXPECT_EQ(OpenedFiles(window), Files{Path(L"a.html")});

  // Once the dialog is gone the same names only find the file open.
  EXPECT_TRUE(SendCopyData(window, 1, block.data(), static_cast<DWORD>(block.size() * 2)));
  EXPECT_EQ(OpenedFiles(window), Files{Path(L"a.html")});
}

TEST_F(Handover, MalformedBlocksNeitherCrashNorOpenPartialNames) {
  ASSERT_TRUE(installed_.scratch.Write(L"part.htm", "x"));
  Program first(installed_.exe, {});
  HWND window = first.WaitMainWindow();
  ASSERT_NE(window, nullptr);

  // Odd byte count: the second name loses half of its terminator.
  std::wstring block = PackNames({Path(L"a.html"), Path(L"b.css")});
  EXPECT_TRUE(SendCopyData(window, 2, block.data(), static_cast<DWORD>(block.size() * 2 - 1)));
  // No terminator at all, though a shorter file of that prefix exists.
  block = Path(L"part.html");
  EXPECT_TRUE(SendCopyData(window, 1, block.data(), static_cast<DWORD>(block.size() * 2)));
  // A count far larger than the names sent.
  block = PackNames({Path(L"c.html")});
  EXPECT_TRUE(SendCopyData(window, 500, block.data(), static_cast<DWORD>(block.size() * 2)));
  // Nothing, and a large block of bytes without any terminator.
  EXPECT_TRUE(SendCopyData(window, 3, nullptr, 0));
  const std::string noise(1 << 16, 'x');
  EXPECT_TRUE(SendCopyData(window, 1, noise.data(), static_cast<DWORD>(noise.size())));

  EXPECT_TRUE(first.Running());
  EXPECT_EQ(OpenedFiles(window), (Files{Path(L"a.html"), Path(L"c.html")}));
  Screenshot(ScenarioName());
}

}  // namespace
}  // namespace e2e
