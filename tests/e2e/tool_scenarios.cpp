// The insertion tools and the About window as a user meets them: comment
// toggling, today's date, and About over a disabled main window.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/real_input.h"

namespace e2e {
namespace {

constexpr WORD kSelectAll = 5124;
constexpr WORD kComment = 5170;
constexpr WORD kDate = 5181;
constexpr WORD kAbout = 5620;

HWND FindAbout() { return FindWindowW(L"version_info_class", nullptr); }

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
  Screenshot(ScenarioName());
  PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [] { return FindAbout() == nullptr; }));
  EXPECT_TRUE(IsWindowEnabled(window_));

  PostMessageW(window_, WM_COMMAND, kAbout, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [] { return FindAbout() != nullptr; }));
  EXPECT_TRUE(CloseDiscarding(*program_, window_));
  window_ = nullptr;
}

}  // namespace
}  // namespace e2e
