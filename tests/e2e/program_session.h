#pragma once
// A test fixture's run of the installed program with its own settings file
// beside it: started on some files, sent commands and keys, its prompts
// seen and answered, and closed (discarding changes) when the test ends.
// A test that ends the program itself says so by clearing window_; a
// program that ended otherwise fails the test.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"

namespace e2e {

// A message's text with the line breaks the program put into long paths
// (after a "\\") taken out again.
inline std::wstring Unwrapped(std::wstring text) {
  for (std::size_t at = text.find(L"\\\n"); at != std::wstring::npos; at = text.find(L"\\\n", at))
    text.erase(++at, 1);
  return text;
}

class ProgramSession : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MainWindows().empty()) << "a main window was left over";
    ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", ""));
  }
  void TearDown() override {
    if (program_ && window_) EXPECT_TRUE(CloseDiscarding(*program_, window_));
  }

  // On files of the scratch folder; started on none, it may bring back
  // documents of its own.
  void Start(const std::vector<std::wstring>& names) {
    std::vector<std::wstring> paths;
    for (const std::wstring& name : names) paths.push_back(installed_.scratch.File(name));
    Launch(paths);
    if (!HasFatalFailure() && !names.empty()) ASSERT_TRUE(WaitForFiles(window_, names.size()));
  }
  // On files anywhere, and no others.
  void StartWithPaths(const std::vector<std::wstring>& paths) {
    Launch(paths);
    if (!HasFatalFailure()) ASSERT_TRUE(WaitForFiles(window_, paths.size()));
  }

  // Posted: a command that asks the user must not hold the driver.
  void Post(WORD command) { PostMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0); }
  MessageBoxSeen Box() {
    MessageBoxSeen seen;
    EXPECT_TRUE(WaitMessageBox(program_->Id(), kStartTimeoutMs, seen));
    return seen;
  }
  bool NoBoxFor(DWORD ms) {
    MessageBoxSeen seen;
    return !WaitMessageBox(program_->Id(), ms, seen);
  }
  void RightClickTab(int index) {
    const POINT box = CloseBoxCentre(window_, index);
    const LPARAM at = MAKELPARAM(box.x - 20, box.y);
    PostMessageW(TabStrip(window_), WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(TabStrip(window_), WM_RBUTTONUP, 0, at);
  }
  // The right button's press alone selects a tab; its release would open
  // the tab strip's context menu.
  bool SelectTab(int index) {
    const POINT box = CloseBoxCentre(window_, index);
    PostMessageW(TabStrip(window_), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(box.x - 20, box.y));
    return WaitUntil(kStartTimeoutMs, [&] { return SelectedTab(window_) == index; });
  }
  void Type(const std::wstring& text) { SendCharacters(ActiveEditor(window_), text); }

  void Launch(const std::vector<std::wstring>& paths) {
    program_ = std::make_unique<Program>(installed_.exe, paths);
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
  }

  InstalledProgram installed_{ScenarioName()};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
};

}  // namespace e2e
