// The menus as a user meets them: the menu-bar buttons open their popups
// and a right click in the editor shows its menu; Alt with a menu letter
// opens that menu.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/real_input.h"

namespace e2e {
namespace {

class Menus : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MainWindows().empty()) << "a main window was left over";
    ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", ""));
    ASSERT_TRUE(installed_.scratch.Write(L"a.html", "<p>menu</p>"));
    program_ = std::make_unique<Program>(installed_.exe, std::vector<std::wstring>{installed_.scratch.File(L"a.html")});
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitForFiles(window_, 1));
  }
  void TearDown() override {
    if (program_ && window_) EXPECT_TRUE(CloseDiscarding(*program_, window_));
  }
  void CloseMenu() {
    PressKey(window_, VK_ESCAPE, false);
    PressKey(window_, VK_ESCAPE, false);
    EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return WaitPopup(program_->Id(), 0) == nullptr; }));
  }

  InstalledProgram installed_{ScenarioName()};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
};

TEST_F(Menus, EveryMenuBarButtonOpensItsPopup) {
  SetForegroundWindow(window_);
  for (WORD button = 5000; button <= 5006; ++button) {
    PostMessageW(window_, WM_APP, button, 0);
    ASSERT_NE(WaitPopup(program_->Id()), nullptr) << button;
    Screenshot(ScenarioName() + L"." + std::to_wstring(button));
    CloseMenu();
  }
}

TEST_F(Menus, ARightClickInTheEditorShowsItsMenu) {
  HWND editor = ActiveEditor(window_);
  RECT client = {};
  GetClientRect(editor, &client);
  POINT at = {client.right / 2, client.bottom / 2};
  ClientToScreen(editor, &at);
  SetForegroundWindow(window_);
  MouseAt(at.x, at.y, 0);
  MouseAt(at.x, at.y, MOUSEEVENTF_RIGHTDOWN);
  MouseAt(at.x, at.y, MOUSEEVENTF_RIGHTUP);
  EXPECT_NE(WaitPopup(program_->Id()), nullptr);
  Screenshot(ScenarioName());
  CloseMenu();
}

TEST_F(Menus, AltWithAMenuLetterOpensThatMenuAndOtherLettersNone) {
  constexpr int kMenuBarId = 201;
  HWND bar = GetDlgItem(GetDlgItem(window_, 200), kMenuBarId);
  ASSERT_NE(bar, nullptr);
  const struct {
    UINT letter;
    int button;  // index of the menu-bar button whose popup opens; -1 none
  } cases[] = {{'Q', -1}, {'V', 2}, {'H', 6}};
  for (const auto& press : cases) {
    ASSERT_TRUE(PressKey(window_, press.letter, false, VK_MENU));
    if (press.button < 0) {
      EXPECT_EQ(WaitPopup(program_->Id(), 1000), nullptr) << press.letter;
      PressKey(window_, VK_ESCAPE, false);
      continue;
    }
    ASSERT_NE(WaitPopup(program_->Id()), nullptr) << press.letter;
    EXPECT_EQ(SendMessageW(bar, TB_GETHOTITEM, 0, 0), press.button) << press.letter;
    Screenshot(ScenarioName() + L"." + std::wstring(1, static_cast<wchar_t>(press.letter)));
    CloseMenu();
  }
}

}  // namespace
}  // namespace e2e
