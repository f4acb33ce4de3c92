// The toolbars as a user meets them: the find bar shown and hidden, the
// undo button following the history, searching from the find box with the
// keyboard, the histories kept at exit, and replace all's count.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/program_session.h"
#include "e2e/real_input.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

constexpr WORD kUndo = 5110;
constexpr WORD kFind = 5130;
constexpr WORD kFindBar = 5230;
constexpr WORD kFindNext = 5900;
constexpr WORD kReplaceAll = 5911;
constexpr WORD kRegex = 5921;
constexpr WORD kDocumentStart = 6000;
constexpr std::uint32_t kFindBarShown = 10;
constexpr std::uint32_t kFindHistory = 46;
constexpr std::uint32_t kRegexSearch = 357;

class Toolbars : public ProgramSession {
 protected:
  void Start(const std::string& text) {
    ASSERT_TRUE(installed_.scratch.Write(L"a.html", text));
    ProgramSession::Start({L"a.html"});
    if (HasFatalFailure()) return;
    rebar_ = GetDlgItem(window_, 200);
    find_bar_ = GetDlgItem(rebar_, 203);
    find_box_ = GetDlgItem(find_bar_, 701);
    ASSERT_NE(find_box_, nullptr);
  }
  void Stop() {
    ASSERT_TRUE(CloseDiscarding(*program_, window_));
    window_ = nullptr;
  }
  std::wstring Selected() {
    std::wstring text;
    SetClipboardText(L"(nothing)");
    SendCommand(window_, 5121);
    ClipboardText(text);
    return text;
  }
  int Bands() { return static_cast<int>(SendMessageW(rebar_, RB_GETBANDCOUNT, 0, 0)); }
  LRESULT UndoState() { return SendMessageW(GetDlgItem(rebar_, 202), TB_GETSTATE, kUndo, 0); }
  std::wstring BoxText(HWND box) {
    // GetWindowTextW reads another process's window caption, not the box.
    wchar_t text[256] = {};
    SendMessageW(box, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
  }

  HWND rebar_ = nullptr;
  HWND find_bar_ = nullptr;
  HWND find_box_ = nullptr;
};

TEST_F(Toolbars, TheFindBarIsABandWhileShownAndItsStateOutlivesTheRun) {
  Start("a");
  EXPECT_EQ(Bands(), 3);
  // The top of the window: a hot button, pressed toggles, an open list.
  SendMessageW(GetDlgItem(rebar_, 202), TB_SETHOTITEM, 0, 0);
  SendMessageTimeoutW(find_box_, CB_SHOWDROPDOWN, TRUE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  Screenshot(ScenarioName());
  SendMessageTimeoutW(find_box_, CB_SHOWDROPDOWN, FALSE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  SendCommand(window_, kFindBar);
  EXPECT_EQ(Bands(), 2);
  EXPECT_FALSE(IsWindowVisible(find_bar_));
  Stop();
  SettingsFile written;
  ASSERT_TRUE(written.Parse(ReadWholeFile(installed_.scratch.File(L"Vorndel.ini"))));
  EXPECT_EQ(written.Int(kFindBarShown, -1), 0);
  Start("a");
  EXPECT_EQ(Bands(), 2);
}

TEST_F(Toolbars, TheUndoButtonIsGreyedWithNothingToTakeBack) {
  Start("a");
  EXPECT_TRUE(UndoState() & TBSTATE_INDETERMINATE);
  SendCharacters(ActiveEditor(window_), L"x");
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return UndoState() == TBSTATE_ENABLED; }));
  SendCommand(window_, kUndo);
  EXPECT_TRUE(UndoState() & TBSTATE_INDETERMINATE);
}

TEST_F(Toolbars, EnterInTheFindBoxFindsTheNextMatchAndShiftEnterThePrevious) {
  // Letters match in any case, so the selection's text tells the matches
  // apart.
  Start("cat dog CAT");
  SendCommand(window_, kFind);
  ASSERT_TRUE(TypeText(window_, L"cat"));
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return BoxText(find_box_) == L"cat"; }));
  EXPECT_EQ(DocumentText(window_), L"cat dog CAT");  // the keys went to the box
  // The shortcuts are the box's while it has the focus: Ctrl+S saves
  // nothing.
  SendCharacters(ActiveEditor(window_), L"!");
  SendCommand(window_, kFind);
  PressKey(window_, 'S', false, VK_CONTROL);
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"a.html")), "cat dog CAT");
  SendCommand(window_, kUndo);
  const std::pair<bool, const wchar_t*> steps[] = {{false, L"cat"}, {false, L"CAT"}, {true, L"cat"}};
  for (const auto& [shift, selected] : steps) {
    PressKey(window_, VK_RETURN, shift);
    EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return Selected() == selected; })) << selected;
  }
}

TEST_F(Toolbars, TheTwentyNewestSearchesAreKeptAndReplaceAllCounts) {
  Start("cat cat cat");
  for (int i = 0; i < 21; ++i) {
    SetWindowTextW(find_box_, (L"word" + std::to_wstring(i)).c_str());
    SendCommand(window_, kFindNext);
  }
  EXPECT_EQ(StatusText(window_, 0), L"Not found.");
  SetWindowTextW(find_box_, L"cat");
  SetWindowTextW(GetDlgItem(find_bar_, 711), L"dog");
  SendCommand(window_, kReplaceAll);
  EXPECT_EQ(StatusText(window_, 0), L"Replacements made: 3");
  EXPECT_EQ(DocumentText(window_), L"dog dog dog");
  SendCommand(window_, kDocumentStart);
  EXPECT_EQ(StatusText(window_, 0), L"");
  Stop();
  SettingsFile written;
  ASSERT_TRUE(written.Parse(ReadWholeFile(installed_.scratch.File(L"Vorndel.ini"))));
  EXPECT_EQ(written.String(kFindHistory), L"cat");
  for (int k = 1; k < 20; ++k) EXPECT_EQ(written.String(kFindHistory + k), L"word" + std::to_wstring(21 - k));
  // The next start offers them again, the newest shown.
  Start("cat");
  EXPECT_EQ(SendMessageW(find_box_, CB_GETCOUNT, 0, 0), 20);
  EXPECT_EQ(BoxText(find_box_), L"cat");
}

TEST_F(Toolbars, WithRegularExpressionsOnTheFindBoxHoldsAPatternAndTheReplacementItsGroups) {
  Start("x a12 b a7");
  const HWND find_bar = find_bar_;
  auto regex_state = [&] { return SendMessageW(find_bar, TB_GETSTATE, kRegex, 0); };
  EXPECT_EQ(regex_state(), TBSTATE_ENABLED);
  SendCommand(window_, kRegex);
  EXPECT_EQ(regex_state(), TBSTATE_ENABLED | TBSTATE_CHECKED);
  SendCommand(window_, kFind);
  ASSERT_TRUE(TypeText(window_, L"a[0-9]+"));
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return BoxText(find_box_) == L"a[0-9]+"; }));
  PressKey(window_, VK_RETURN, false);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return Selected() == L"a12"; }));
  Screenshot(ScenarioName());

  SetWindowTextW(find_box_, L"a(");
  SendCommand(window_, kFindNext);
  EXPECT_EQ(StatusText(window_, 0), L"Invalid regular expression: Unmatched marking parenthesis ( or \\(. (column 3)");
  SetWindowTextW(find_box_, L"a[0-9]+");
  SetWindowTextW(GetDlgItem(find_bar_, 711), L"<b>$&</b>");
  SendCommand(window_, kReplaceAll);
  EXPECT_EQ(StatusText(window_, 0), L"Replacements made: 2");
  EXPECT_EQ(DocumentText(window_), L"x <b>a12</b> b <b>a7</b>");
  Stop();
  SettingsFile written;
  ASSERT_TRUE(written.Parse(ReadWholeFile(installed_.scratch.File(L"Vorndel.ini"))));
  EXPECT_EQ(written.Int(kRegexSearch, -1), 1);
}

}  // namespace
}  // namespace e2e
