// The insertion tools, external programs and About as a user meets them:
// comment toggling, today's date, the colour dialog, a program in a tool
// slot given the document's mapped address, one that cannot start, help
// without its file, and About over a disabled main window.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/file_browser.h"
#include "e2e/installed_program.h"
#include "e2e/real_input.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

constexpr WORD kNew = 5010;
constexpr WORD kSelectAll = 5124;
constexpr WORD kComment = 5170;
constexpr WORD kColour = 5180;
constexpr WORD kOpen = 5020;
constexpr WORD kDate = 5181;
constexpr WORD kFirstTool = 5511;
constexpr WORD kHelp = 5610;
constexpr WORD kAbout = 5620;
constexpr std::uint32_t kLeftShown = 6;
constexpr std::uint32_t kToolPath = 186;
constexpr std::uint32_t kToolOptions = 202;
constexpr std::uint32_t kToolUsesMapping = 210;
constexpr std::uint32_t kMappingEnabled = 218;
constexpr std::uint32_t kMappingFolder = 222;
constexpr std::uint32_t kMappingAddress = 226;
constexpr std::uint32_t kLastColour = 293;
constexpr COLORREF kOrange = RGB(255, 128, 0);

HWND FindAbout() { return FindWindowW(L"version_info_class", nullptr); }

int AboutWindows() {
  int count = 0;
  for (HWND about = FindAbout(); about; about = FindWindowExW(nullptr, about, L"version_info_class", nullptr)) ++count;
  return count;
}

// A shown dialog owned by the window; null when there is none.
HWND OwnedDialog(HWND owner) {
  for (HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); dialog;
       dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr))
    if (IsWindowVisible(dialog) && GetWindow(dialog, GW_OWNER) == owner) return dialog;
  return nullptr;
}

// What the probe program wrote down it was started with; the record is
// taken away for the next start.  Empty when it did not start.
std::wstring ProbeParameters(const std::wstring& record) {
  if (!WaitUntil(kStartTimeoutMs, [&] { return Exists(record); })) return {};
  const std::string bytes = ReadWholeFile(record);
  DeleteFileW(record.c_str());
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

class Tools : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MainWindows().empty()) << "a main window was left over";
    ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", ""));
    ASSERT_TRUE(installed_.scratch.Write(L"a.html", "abc"));
    program_ = std::make_unique<Program>(installed_.exe, std::vector<std::wstring>{installed_.scratch.File(L"a.html")});
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitForFiles(window_, 1));
  }
  void TearDown() override {
    if (program_ && window_) EXPECT_TRUE(CloseDiscarding(*program_, window_));
  }

  InstalledProgram installed_{ScenarioName()};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
};

TEST_F(Tools, CommentTogglesTheLineAndTheSelectionAndTheDateIsToday) {
  SendCommand(window_, kComment);
  EXPECT_EQ(DocumentText(window_), L"<!--abc-->");
  SendCommand(window_, kSelectAll);
  SendCommand(window_, kComment);
  EXPECT_EQ(DocumentText(window_), L"abc");
  SendCommand(window_, 6001);  // to the end
  SendCommand(window_, kDate);
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  wchar_t date[16] = {};
  swprintf(date, 16, L"%d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
  EXPECT_EQ(DocumentText(window_), std::wstring(L"abc") + date);
}

TEST_F(Tools, AboutDisablesTheMainWindowUntilEscapeAndAQuitMeanwhileEndsTheProgram) {
  PostMessageW(window_, WM_COMMAND, kAbout, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [] { return FindAbout() != nullptr; }));
  HWND about = FindAbout();
  wchar_t title[64] = {};
  GetWindowTextW(about, title, 64);
  EXPECT_EQ(std::wstring(title), L"About Vorndel");
  EXPECT_FALSE(IsWindowEnabled(window_));
  // Asked again while it is open: the command returns, and no second one.
  EXPECT_TRUE(SendCommand(window_, kAbout));
  EXPECT_EQ(AboutWindows(), 1);
  Screenshot(ScenarioName());
  PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [] { return FindAbout() == nullptr; }));
  EXPECT_TRUE(IsWindowEnabled(window_));

  PostMessageW(window_, WM_COMMAND, kAbout, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [] { return FindAbout() != nullptr; }));
  EXPECT_TRUE(CloseDiscarding(*program_, window_));
  window_ = nullptr;
}

// One run: a tool slot that uses the mappings, a slot whose program is
// missing, the colour dialog, and help without its file.
bool AtFolderTree(HWND window, HWND dialog) {
  RECT placed = {}, anchor = {};
  GetWindowRect(dialog, &placed);
  GetWindowRect(FolderTree(window), &anchor);
  return placed.left == anchor.left && placed.top == anchor.top;
}

TEST(ToolSlots, AProgramGetsTheMappedAddressAMissingOneIsReportedAndTheChosenColourIsInserted) {
  ASSERT_TRUE(MainWindows().empty()) << "a main window was left over";
  InstalledProgram installed(ScenarioName());
  const Scratch& scratch = installed.scratch;
  ASSERT_TRUE(scratch.CopyFromBin(L"command_line_probe.exe", L"probe.exe"));
  ASSERT_TRUE(scratch.MakeFolder(L"sub"));
  ASSERT_TRUE(scratch.Write(L"sub\\page.html", ""));
  SettingsFile settings;
  settings.SetInt(kLeftShown, 1);
  settings.SetString(kToolPath, scratch.File(L"probe.exe"));
  settings.SetString(kToolOptions, L"-x");
  settings.SetInt(kToolUsesMapping, 1);
  settings.SetString(kToolPath + 1, scratch.File(L"missing.exe"));
  settings.SetInt(kMappingEnabled, 1);
  settings.SetString(kMappingFolder, scratch.Path());  // typed without its final backslash
  settings.SetString(kMappingAddress, L"http://localhost/");
  settings.SetInt(kLastColour, static_cast<std::int32_t>(kOrange));
  ASSERT_TRUE(scratch.Write(L"Vorndel.ini", settings.Bytes()));
  Program program(installed.exe, {scratch.File(L"sub\\page.html")});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitForFiles(window, 1));

  const std::wstring record = scratch.File(L"probe.exe.txt");
  SendCommand(window, kFirstTool);
  EXPECT_EQ(ProbeParameters(record), L"-x \"http://localhost/sub/page.html\"");

  PostMessageW(window, WM_COMMAND, kColour, 0);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return (dialog = OwnedDialog(window)) != nullptr; }));
  EXPECT_TRUE(AtFolderTree(window, dialog));
  Screenshot(ScenarioName() + L".colour");
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(dialog); }));
  EXPECT_EQ(DocumentText(window), L"#ff8000");
  Screenshot(ScenarioName() + L".inserted");

  // The file dialogs open by the same rule.
  PostMessageW(window, WM_COMMAND, kOpen, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return (dialog = OwnedDialog(window)) != nullptr; }));
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return AtFolderTree(window, dialog); }));
  Screenshot(ScenarioName() + L".open");
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(dialog); }));

  // After the editor's own menu, the colour dialog opens on the editor.
  HWND editor = ActiveEditor(window);
  RECT editor_rect = {};
  GetWindowRect(editor, &editor_rect);
  const POINT inside = {(editor_rect.left + editor_rect.right) / 2, (editor_rect.top + editor_rect.bottom) / 2};
  SetForegroundWindow(window);
  MouseAt(inside.x, inside.y, 0);
  MouseAt(inside.x, inside.y, MOUSEEVENTF_RIGHTDOWN);
  MouseAt(inside.x, inside.y, MOUSEEVENTF_RIGHTUP);
  ASSERT_NE(WaitPopup(program.Id()), nullptr);
  PressKey(window, VK_ESCAPE, false);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return WaitPopup(program.Id(), 0) == nullptr; }));
  PostMessageW(window, WM_COMMAND, kColour, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return (dialog = OwnedDialog(window)) != nullptr; }));
  RECT placed = {};
  GetWindowRect(dialog, &placed);
  EXPECT_EQ(placed.left, editor_rect.left);
  EXPECT_EQ(placed.top, editor_rect.top);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(dialog); }));

  SendCommand(window, kNew);
  SendCommand(window, kFirstTool);
  EXPECT_EQ(ProbeParameters(record), L"-x");

  PostMessageW(window, WM_COMMAND, kFirstTool + 1, 0);
  MessageBoxSeen seen;
  ASSERT_TRUE(WaitMessageBox(program.Id(), kStartTimeoutMs, seen));
  EXPECT_EQ(seen.caption, L"Error");
  EXPECT_EQ(seen.text, L"The program could not be started.");
  PressOk(seen.box);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(seen.box); }));

  // No help file beside the program: the online page is asked for, and
  // the command returns in time with no box.
  EXPECT_TRUE(SendCommand(window, kHelp));

  ASSERT_TRUE(CloseDiscarding(program, window));
  SettingsFile written;
  ASSERT_TRUE(written.Parse(ReadWholeFile(scratch.File(L"Vorndel.ini"))));
  EXPECT_EQ(written.Int(kLastColour), static_cast<std::int32_t>(kOrange));
}

}  // namespace
}  // namespace e2e
