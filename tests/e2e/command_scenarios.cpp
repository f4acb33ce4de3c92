// Commands as a user gives them with the mouse and the keyboard: a double
// click and Ctrl+Enter select the HTML construct, the find bar's highlight
// button marks every occurrence and takes the marks away again, Right in a
// menu opened by a click stays in that menu, and after
// a tab's outside-change prompt the buttons follow the reloaded document
// and the next click reaches its target.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/program_session.h"
#include "e2e/real_input.h"
#include "e2e/remote_block.h"

namespace e2e {
namespace {

constexpr WORD kUndo = 5110;
constexpr WORD kLeftPane = 5210;
constexpr WORD kHighlight = 5902;
constexpr WORD kEditMenu = 5001;
// The default colours of attribute names and values, and of the
// highlighted word's background.
constexpr COLORREF kAttribute = 0x786400;
constexpr COLORREF kValue = 0x402080;
constexpr COLORREF kHighlighted = 0xA0F8FF;
constexpr int kFirstRowTop = 2;
constexpr int kFirstRowProbe = 11;

// The middle of the first row's pixels of a colour, in client pixels.
POINT MiddleOf(const ClientPicture& picture, COLORREF colour) {
  int first = INT_MAX, last = -1;
  for (int y = kFirstRowTop; y < kFirstRowTop + kFirstRowProbe; ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.At(x, y) == colour) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {(first + last) / 2, kFirstRowTop + kFirstRowProbe / 2};
}

// Where a colour lies: for each block of rows holding it, the number of
// separate runs of it along those rows.
std::vector<int> RunsPerBlock(const ClientPicture& picture, COLORREF colour) {
  std::vector<int> blocks;
  bool in_block = false;
  for (int y = 0; y < picture.Height(); ++y) {
    int runs = 0;
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.At(x, y) == colour && (x == 0 || picture.At(x - 1, y) != colour)) ++runs;
    if (runs > 0 && !in_block) blocks.push_back(runs);
    in_block = runs > 0;
  }
  return blocks;
}

class Commands : public ProgramSession {
 protected:
  void Start(const std::vector<std::wstring>& names) {
    ProgramSession::Start(names);
    if (window_) rebar_ = GetDlgItem(window_, 200);
  }

  // The middle of a toolbar button (201 menu bar, 202 tool bar, 203 find
  // bar).
  POINT ButtonCentre(int bar_id, WORD command) {
    HWND bar = GetDlgItem(rebar_, bar_id);
    RemoteBlock block(bar, sizeof(RECT));
    RECT rect = {};
    if (block.Valid() && SendMessageW(bar, TB_GETRECT, command, reinterpret_cast<LPARAM>(block.At(0))))
      block.Read(0, &rect, sizeof rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  bool ClickButton(int bar_id, WORD command) {
    return ClickAt(window_, GetDlgItem(rebar_, bar_id), ButtonCentre(bar_id, command));
  }
  LRESULT UndoState() { return SendMessageW(GetDlgItem(rebar_, 202), TB_GETSTATE, kUndo, 0); }
  // The middle of a tab, left of its close box.
  bool ClickTab(int index) {
    const POINT box = CloseBoxCentre(window_, index);
    return ClickAt(window_, TabStrip(window_), {box.x - 30, box.y});
  }

  HWND rebar_ = nullptr;
};

TEST_F(Commands, ADoubleClickAndCtrlEnterSelectTheConstructAndTheFindBarHighlightsEveryOccurrence) {
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "<a href=\"x.html\">link</a>\ncat dog cat\n\nthe cat"));
  Start({L"a.html"});
  HWND editor = ActiveEditor(window_);
  const ClientPicture shown(editor);

  // The default double-click action selects the value without its quotes.
  POINT value = MiddleOf(shown, kValue);
  ClientToScreen(editor, &value);
  ASSERT_TRUE(ClickAt(window_, editor, MiddleOf(shown, kValue)));
  MouseAt(value.x, value.y, MOUSEEVENTF_LEFTDOWN, false);
  MouseAt(value.x, value.y, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(WaitForSelection(window_, L"x.html"), L"x.html");

  // A click on the attribute's name, then Ctrl+Enter: the attribute with
  // its leading space and quoted value.
  ASSERT_TRUE(ClickAt(window_, editor, MiddleOf(shown, kAttribute)));
  ASSERT_TRUE(PressKey(window_, VK_RETURN, false, VK_CONTROL));
  EXPECT_EQ(WaitForSelection(window_, L" href=\"x.html\""), L" href=\"x.html\"");

  const ClientPicture before(editor);
  ASSERT_TRUE(RunsPerBlock(before, kHighlighted).empty());
  HWND find_box = GetDlgItem(GetDlgItem(rebar_, 203), 701);
  SendMessageW(find_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"cat"));
  ASSERT_TRUE(ClickButton(203, kHighlight));
  // Two on the second line, one on the fourth.
  std::vector<int> runs;
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] {
    runs = RunsPerBlock(ClientPicture(editor), kHighlighted);
    return runs == std::vector<int>{2, 1};
  })) << runs.size();
  Screenshot(ScenarioName());
  ASSERT_TRUE(ClickButton(203, kHighlight));
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return SamePicture(ClientPicture(editor), before); }));

  // A menu opened by a click on its button keeps Right to itself; one
  // opened from the keyboard passes it on to the next menu.
  HWND menu_bar = GetDlgItem(rebar_, 201);
  const auto hot = [&] { return SendMessageW(menu_bar, TB_GETHOTITEM, 0, 0); };
  const auto close_menu = [&] {
    PressKey(window_, VK_ESCAPE, false);
    PressKey(window_, VK_ESCAPE, false);
    return WaitUntil(kStartTimeoutMs, [&] { return WaitPopup(program_->Id(), 0) == nullptr; });
  };
  ASSERT_TRUE(ClickButton(201, kEditMenu));
  ASSERT_NE(WaitPopup(program_->Id()), nullptr);
  ASSERT_TRUE(PressKey(window_, VK_RIGHT, false));
  EXPECT_EQ(hot(), 1) << "Right left the clicked Edit menu";
  ASSERT_TRUE(close_menu());
  // Away from the bar, where hovering would switch menus.
  MouseAt(value.x, value.y, 0);
  ASSERT_TRUE(PressKey(window_, 'V', false, VK_MENU));
  ASSERT_NE(WaitPopup(program_->Id()), nullptr);
  ASSERT_TRUE(PressKey(window_, VK_RIGHT, false));
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return hot() == 3; })) << hot();
  EXPECT_TRUE(close_menu());
}

TEST_F(Commands, AfterATabsOutsideChangePromptTheButtonsFollowAndTheNextClickArrives) {
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "old"));
  ASSERT_TRUE(installed_.scratch.Write(L"b.html", "b"));
  Start({L"a.html", L"b.html"});
  ASSERT_TRUE(ClickTab(0));
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return SelectedTab(window_) == 0; }));
  SendCharacters(ActiveEditor(window_), L"x");
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return UndoState() == TBSTATE_ENABLED; }));
  ASSERT_TRUE(ClickTab(1));
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return SelectedTab(window_) == 1; }));

  // Another program's write, a few seconds later than the one loaded.
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "new"));
  ASSERT_TRUE(MarkWrittenLater(installed_.scratch.File(L"a.html")));

  ASSERT_TRUE(ClickTab(0));
  MessageBoxSeen prompt;
  ASSERT_TRUE(WaitMessageBox(program_->Id(), kStartTimeoutMs, prompt));
  Answer(prompt.box, IDYES);
  // Watched before any command runs: each one refreshes the buttons.
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return (UndoState() & TBSTATE_INDETERMINATE) != 0; }))
      << "the reload took the history";
  EXPECT_EQ(DocumentText(window_), L"new");

  HWND left_base = GetDlgItem(GetDlgItem(window_, 301), 400);
  ASSERT_TRUE(IsWindowVisible(left_base));
  ASSERT_TRUE(ClickButton(202, kLeftPane));
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindowVisible(left_base); }))
      << "the click after the prompt went to the tab strip";

  // A double click on the document area makes a document as New does.
  SendCharacters(ActiveEditor(window_), L"y");
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return UndoState() == TBSTATE_ENABLED; }));
  SendMessageW(GetParent(ActiveEditor(window_)), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 0));
  EXPECT_EQ(TabTexts(window_).size(), 3u);
  EXPECT_TRUE(UndoState() & TBSTATE_INDETERMINATE) << "the new document has no history";
  Screenshot(ScenarioName());
}

}  // namespace
}  // namespace e2e
