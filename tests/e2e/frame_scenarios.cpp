// The main window's frame as a user meets it: its windows, the side panes
// shown, hidden and resized, the smallest window the panes allow, go to
// line, and numbers from other programs that name nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/real_input.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

constexpr WORD kGoToLine = 5140;
constexpr WORD kLeftPane = 5210;
constexpr WORD kLastRecent = 5043;
constexpr std::uint32_t kLeftShown = 6;
constexpr std::uint32_t kRightShown = 7;
constexpr std::uint32_t kLeftWidth = 8;
constexpr std::uint32_t kRightWidth = 9;

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT RectIn(HWND window, HWND parent) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class Frame : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(MainWindows().empty()) << "a main window was left over"; }
  void TearDown() override {
    if (program_ && window_) EXPECT_TRUE(CloseDiscarding(*program_, window_));
  }

  void Start(const std::vector<std::wstring>& files = {}) {
    std::vector<std::wstring> paths;
    for (const std::wstring& name : files) paths.push_back(installed_.scratch.File(name));
    program_ = std::make_unique<Program>(installed_.exe, paths);
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ActiveEditor(window_) != nullptr; }));
    client_ = GetDlgItem(window_, 301);
    ASSERT_NE(client_, nullptr);
  }
  void Stop() {
    ASSERT_TRUE(CloseDiscarding(*program_, window_));
    window_ = nullptr;
  }
  SettingsFile Written() {
    SettingsFile written;
    EXPECT_TRUE(written.Parse(ReadWholeFile(installed_.scratch.File(L"Vorndel.ini"))));
    return written;
  }
  void WriteSettings(std::int32_t left_width, std::int32_t right_width) {
    SettingsFile settings;
    settings.SetInt(kLeftShown, 1);
    settings.SetInt(kRightShown, 1);
    settings.SetInt(kLeftWidth, left_width);
    settings.SetInt(kRightWidth, right_width);
    ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", settings.Bytes()));
  }

  InstalledProgram installed_{ScenarioName()};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
  HWND client_ = nullptr;
};

TEST_F(Frame, TheWindowsStandInTheirPlacesAndHidingTheLeftPaneWidensTheDocumentArea) {
  WriteSettings(200, 150);
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "a\r\n"));
  Start({L"a.html"});
  EXPECT_EQ(ClassName(GetDlgItem(window_, 200)), L"ReBarWindow32");
  EXPECT_EQ(ClassName(GetDlgItem(window_, 300)), L"Vorndel_border_class");
  EXPECT_EQ(ClassName(client_), L"Vorndel_client_class");
  HWND left = GetDlgItem(client_, 400), right = GetDlgItem(client_, 410), area = GetDlgItem(client_, 420);
  EXPECT_EQ(ClassName(left), L"Vorndel_lbase_class");
  EXPECT_EQ(ClassName(right), L"Vorndel_rbase_class");
  EXPECT_EQ(ClassName(area), L"Vorndel_mbase_class");
  EXPECT_TRUE(IsChild(area, ActiveEditor(window_)));
  EXPECT_EQ(StatusText(window_, 1), L"UTF-8");
  EXPECT_EQ(StatusText(window_, 2), L"CR+LF (Windows)");
  const RECT before = RectIn(area, client_);
  EXPECT_EQ(before.left, 200);
  Screenshot(ScenarioName());

  SendCommand(window_, kLeftPane);
  EXPECT_FALSE(IsWindowVisible(left));
  const RECT after = RectIn(area, client_);
  EXPECT_EQ(after.left, 0);
  EXPECT_EQ(after.right - after.left, before.right - before.left + 200);
  Stop();
  EXPECT_EQ(Written().Int(kLeftShown, -1), 0);

  Start();
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(client_, 400)));
  EXPECT_EQ(RectIn(GetDlgItem(client_, 420), client_).left, 0);
}

TEST_F(Frame, TheWindowKeepsRoomForBothPanesAndTheSplitterStopsAtItsMinimum) {
  WriteSettings(200, 150);
  Start();
  SetWindowPos(window_, nullptr, 0, 0, 100, 400, SWP_NOMOVE | SWP_NOZORDER);
  RECT client = {};
  GetClientRect(client_, &client);
  EXPECT_GE(client.right, 200 + 150 + 44);

  // A real drag of the left pane's splitter far out to the left.
  SetWindowPos(window_, nullptr, 0, 0, 900, 500, SWP_NOMOVE | SWP_NOZORDER);
  SetForegroundWindow(window_);
  RECT left = {};
  GetWindowRect(GetDlgItem(client_, 400), &left);
  const int y = (left.top + left.bottom) / 2;
  MouseAt(left.right - 2, y, 0);
  MouseAt(left.right - 2, y, 0);
  MouseAt(left.right - 2, y, MOUSEEVENTF_LEFTDOWN);
  MouseAt(left.right - 100, y, 0);
  MouseAt(left.left - 50, y, 0);
  MouseAt(left.left - 50, y, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return RectIn(GetDlgItem(client_, 420), client_).left == 46; }));
  Stop();
  EXPECT_EQ(Written().Int(kLeftWidth), 46);
  EXPECT_EQ(Written().Int(kRightWidth), 150);
}

TEST_F(Frame, GoToLinePastTheEndGoesToTheLastLine) {
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "a\r\nb\r\nc"));
  Start({L"a.html"});
  PostMessageW(window_, WM_COMMAND, kGoToLine, 0);
  HWND dialog = WaitDialog(program_->Id(), L"Go to line");
  ASSERT_NE(dialog, nullptr);
  SetWindowTextW(GetDlgItem(dialog, 2220), L"99999");
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(dialog); }));
  SendCharacters(ActiveEditor(window_), L"x");
  EXPECT_EQ(DocumentText(window_), L"a\r\nb\r\nxc");
}

TEST_F(Frame, NumbersThatNameNothingChangeNothing) {
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "a"));
  Start({L"a.html"});
  PostMessageW(window_, WM_APP, 0, 0);
  PostMessageW(window_, WM_APP, 99, 0);
  SendCommand(window_, 5024);  // the only recent file: already open
  SendCommand(window_, kLastRecent);
  SendCommand(window_, 5350);  // no bookmarks
  EXPECT_TRUE(program_->Running());
  EXPECT_EQ(TabTexts(window_), std::vector<std::wstring>{L"a.html    "});
}

}  // namespace
}  // namespace e2e
