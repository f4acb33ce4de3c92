// Work that survives: snapshots of modified documents brought back after a
// kill and after a session end, messages that wait while a prompt is up,
// and junk posted to the file browser's worker window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/program_session.h"
#include "e2e/settings_file.h"
#include "e2e/unix_commands.h"

namespace e2e {
namespace {

constexpr WORD kNew = 5010;
constexpr WORD kSave = 5050;
constexpr WORD kClose = 5080;
// A snapshot follows a pause of a few seconds.
constexpr DWORD kSnapshotWaitMs = 15000;

class Recovery : public ProgramSession {
 protected:
  void KillHard() {
    DWORD code = 0;
    program_->WaitExit(0, code);
    ASSERT_FALSE(program_->Running());
    window_ = nullptr;
  }
  bool Ends() {
    DWORD code = 99;
    if (!program_->WaitExit(kExitTimeoutMs, code) || code != 0) return false;
    window_ = nullptr;
    return true;
  }
  bool EndsDiscarding() {
    if (!CloseDiscarding(*program_, window_)) return false;
    window_ = nullptr;
    return true;
  }
  std::wstring InRecovery(const std::wstring& name) const { return installed_.scratch.File(L"Recovery\\" + name); }

  std::vector<std::wstring> Snapshots() const { return InFolder(L"*.snapshot"); }
  std::vector<std::wstring> InFolder(const std::wstring& pattern) const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(InRecovery(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }
  bool WaitSnapshots(std::size_t count) {
    return WaitUntil(kSnapshotWaitMs, [&] { return Snapshots().size() == count; });
  }
  int TabOf(const std::wstring& text) {
    const std::vector<std::wstring> tabs = TabTexts(window_);
    const auto found = std::find(tabs.begin(), tabs.end(), text);
    return found == tabs.end() ? -1 : static_cast<int>(found - tabs.begin());
  }
  // The tabs in any order: restored documents come after those reopened.
  bool WaitTabsAre(std::vector<std::wstring> expected) {
    std::sort(expected.begin(), expected.end());
    return WaitUntil(kStartTimeoutMs, [&] {
      std::vector<std::wstring> tabs = TabTexts(window_);
      std::sort(tabs.begin(), tabs.end());
      return tabs == expected;
    });
  }
  bool Answers() {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
  }
};

TEST_F(Recovery, AKillOrASessionEndLosesNoTypingAndTheFileOnDiskIsUntouched) {
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "old"));
  Start({L"a.html"});
  Type(L"new ");
  SendCommand(window_, kNew);
  Type(L"draft");
  ASSERT_TRUE(WaitSnapshots(2));
  KillHard();
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"a.html")), "old");
  // What a write cut short by the kill would leave goes at the next start;
  // a file of the same suffix that no snapshot write makes stays.
  const std::wstring cut_short = L"00000001000000aa-1.snapshot.vorndel-save";
  ASSERT_TRUE(installed_.scratch.Write(L"Recovery\\" + cut_short, "VRNDRCV1"));
  ASSERT_TRUE(installed_.scratch.Write(L"Recovery\\page.html.vorndel-save", "mine"));

  Start({});
  const std::wstring untitled = UntitledTitle() + L"*    ";
  ASSERT_TRUE(WaitTabsAre({L"a.html*    ", untitled}));
  EXPECT_FALSE(Exists(InRecovery(cut_short)));
  EXPECT_EQ(ReadWholeFile(InRecovery(L"page.html.vorndel-save")), "mine");
  ASSERT_TRUE(DeleteFileW(InRecovery(L"page.html.vorndel-save").c_str()));
  EXPECT_EQ(StatusText(window_, 0), L"Recovered documents: 2");
  Screenshot(ScenarioName());
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"a.html")), "old");
  ASSERT_TRUE(SelectTab(TabOf(untitled)));
  EXPECT_EQ(DocumentText(window_), L"draft");
  ASSERT_TRUE(SelectTab(TabOf(L"a.html*    ")));
  EXPECT_EQ(DocumentText(window_), L"new old");
  SendCommand(window_, kSave);
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"a.html")), "new old");
  EXPECT_TRUE(WaitSnapshots(1)) << "the saved document's snapshot stays";

  // Anyone may post to the worker's window; a junk request finds nothing.
  HWND worker = FindWindowExW(HWND_MESSAGE, nullptr, L"shell_msg_class", nullptr);
  ASSERT_NE(worker, nullptr);
  for (WPARAM junk : {WPARAM(0), WPARAM(0x41414141), ~WPARAM(0)})
    PostMessageW(worker, WM_APP, junk, static_cast<LPARAM>(0x4242424242424242ll));
  Sleep(500);
  EXPECT_TRUE(program_->Running());
  EXPECT_TRUE(Answers());

  // An end of the session without its query is stray: nothing closes.
  SendMessageW(window_, WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(Answers());
  EXPECT_EQ(TabTexts(window_).size(), 2u);

  // A real end: no prompt, the program goes, the modified document waits.
  ASSERT_TRUE(SelectTab(TabOf(untitled)));
  // The copy above selected everything: to its end first.
  SendKey(ActiveEditor(window_), VK_END);
  Type(L"+");
  EXPECT_EQ(SendMessageW(window_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  SendMessageW(window_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(NoBoxFor(300));
  ASSERT_TRUE(Ends());
  ASSERT_EQ(Snapshots().size(), 1u);

  Start({});
  ASSERT_TRUE(WaitTabsAre({untitled}));
  EXPECT_EQ(DocumentText(window_), L"draft+");
  // Closed without saving: the snapshot goes with it.
  ASSERT_TRUE(EndsDiscarding());
  EXPECT_TRUE(Snapshots().empty());
}

// The recovery folder on a full volume: the failure is told in the status
// bar with the system's reason, the document keeps its text, and the write
// leaves nothing in the folder.
TEST_F(Recovery, ASnapshotThatCannotBeWrittenIsToldAndLeavesNothing) {
  SmallVolume volume(installed_.scratch.File(L"Recovery"), 64);
  ASSERT_TRUE(volume.Mounted()) << "no small volume at " << volume.UnixFolder();
  std::string page;
  for (int i = 0; page.size() < 200'000; ++i) page += "<p>line " + std::to_string(i) + "</p>\r\n";
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", page));
  Start({L"a.html"});
  Type(L"x");
  const std::wstring head = L"Recovery snapshot not written: ";
  ASSERT_TRUE(WaitUntil(kSnapshotWaitMs, [&] { return StatusText(window_, 0).rfind(head, 0) == 0; }));
  const std::wstring told = StatusText(window_, 0);
  EXPECT_GT(told.size(), head.size() + 3) << "no reason given";
  std::printf("told: %s\n", std::string(told.begin() + static_cast<std::ptrdiff_t>(head.size()), told.end()).c_str());
  Screenshot(ScenarioName());
  const std::vector<std::wstring> left = InFolder(L"*");
  ASSERT_EQ(left.size(), 1u) << "only the owner file stays";
  EXPECT_TRUE(left[0].ends_with(L".owner"));
  EXPECT_EQ(DocumentText(window_), L"x" + std::wstring(page.begin(), page.end()));
  ASSERT_TRUE(EndsDiscarding());
}

TEST_F(Recovery, ClosesHandOversAndSessionEndsDuringTheClosePromptWaitForIt) {
  for (const wchar_t* name : {L"a.html", L"b.html", L"c.html"}) ASSERT_TRUE(installed_.scratch.Write(name, "t"));
  Start({L"a.html", L"b.html"});
  ASSERT_TRUE(SelectTab(0));
  Type(L"A");
  ASSERT_TRUE(SelectTab(1));
  Type(L"B");
  ASSERT_TRUE(WaitForTabs(window_, {L"a.html*    ", L"b.html*    "}));

  Post(kClose);
  MessageBoxSeen prompt = Box();
  EXPECT_EQ(prompt.caption, L"b.html");
  // The closes under the prompt are sent, not posted: a message sent from
  // another thread is taken before those still in the queue, so the
  // hand-over would overtake a posted close and be held before it.  A held
  // close answers at once; one run under the prompt would wait for its own.
  for (int i = 0; i < 2; ++i) {
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutW(window_, WM_COMMAND, MAKEWPARAM(kClose, 0), 0, SMTO_NORMAL, 5000, &result), 0);
  }
  const std::wstring names = PackNames({installed_.scratch.File(L"c.html")});
  EXPECT_TRUE(SendCopyData(window_, 1, names.c_str(), static_cast<DWORD>(names.size() * sizeof(wchar_t))));
  Sleep(300);
  EXPECT_TRUE(IsWindow(prompt.box)) << "something closed the prompt";
  EXPECT_EQ(TabTexts(window_), (std::vector<std::wstring>{L"a.html*    ", L"b.html*    "}));
  EXPECT_TRUE(AnswerAndWait(prompt.box, IDNO)) << "the box stays";
  // The two held closes ask about a in turn; the hand-over opens c after.
  for (int i = 0; i < 2; ++i) {
    MessageBoxSeen again = Box();
    EXPECT_EQ(again.caption, L"a.html");
    EXPECT_TRUE(AnswerAndWait(again.box, IDCANCEL)) << "the box stays";
  }
  ASSERT_TRUE(WaitForTabs(window_, {L"a.html*    ", L"c.html    "}));
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"b.html")), "t");
  ASSERT_TRUE(SelectTab(0));
  EXPECT_EQ(DocumentText(window_), L"At");

  // The session ends while the prompt is up: the snapshot is written at
  // once, the closing waits for the answer and then asks nothing more.
  Post(kClose);
  MessageBoxSeen last = Box();
  EXPECT_EQ(SendMessageW(window_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  SendMessageW(window_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(Snapshots().size(), 1u);
  EXPECT_TRUE(IsWindow(last.box));
  Answer(last.box, IDCANCEL);
  ASSERT_TRUE(Ends());
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"a.html")), "t");

  Start({});
  ASSERT_TRUE(WaitTabsAre({L"a.html*    "}));
  EXPECT_EQ(DocumentText(window_), L"At");
}

}  // namespace
}  // namespace e2e
