// The document tabs as a user meets them: tab titles that show changes,
// saving in a file's own encoding, the prompts before changes are lost, the
// tab that follows a close, files changed by other programs, the recent
// files kept at exit and a save that fails.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/program_session.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

constexpr WORD kNew = 5010;
constexpr WORD kSave = 5050;
constexpr WORD kClose = 5080;
constexpr WORD kUndo = 5110;
constexpr WORD kToggleBookmark = 5310;
constexpr std::uint32_t kRecentPaths = 86;
constexpr DWORD kQuietMs = 1500;

using Tabs = ProgramSession;

TEST_F(Tabs, TitlesShowChangesAndSaveWritesTheFilesOwnEncodingAndLineBreaks) {
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "<p>a</p>\r\n"));
  ASSERT_TRUE(installed_.scratch.Write(L"b.html", std::string("\xFF\xFE" "b\0\n\0", 6)));
  Start({L"a.html", L"b.html"});
  ASSERT_TRUE(WaitForTabs(window_, {L"a.html    ", L"b.html    "}));
  EXPECT_EQ(SelectedTab(window_), 1);
  EXPECT_EQ(StatusText(window_, 1), L"UTF-16 LE");
  EXPECT_EQ(StatusText(window_, 2), L"LF (Unix)");

  Type(L"x");
  EXPECT_TRUE(WaitForTabs(window_, {L"a.html    ", L"b.html*    "}));
  SendCommand(window_, kUndo);
  EXPECT_TRUE(WaitForTabs(window_, {L"a.html    ", L"b.html    "}));
  Type(L"x");
  SendCommand(window_, kSave);
  EXPECT_TRUE(WaitForTabs(window_, {L"a.html    ", L"b.html    "}));
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"b.html")), std::string("\xFF\xFE" "x\0b\0\n\0", 8));

  // One modified tab and the pointer over the other's close box.
  Type(L"y");
  const POINT box = CloseBoxCentre(window_, 0);
  PostMessageW(TabStrip(window_), WM_MOUSEMOVE, 0, MAKELPARAM(box.x, box.y));
  EXPECT_TRUE(WaitForTabs(window_, {L"a.html    ", L"b.html*    "}));
  Screenshot(ScenarioName());
}

TEST_F(Tabs, ClosingAsksAboutChangesAndTheMostRecentlyUsedTabFollows) {
  for (const wchar_t* name : {L"a.html", L"b.html", L"c.html"}) ASSERT_TRUE(installed_.scratch.Write(name, "t"));
  Start({L"a.html", L"b.html", L"c.html"});
  ASSERT_TRUE(WaitForTabs(window_, {L"a.html    ", L"b.html    ", L"c.html    "}));
  RightClickTab(0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return SelectedTab(window_) == 0; }));
  SendCommand(window_, kClose);
  // c was used after b: it follows, not the neighbour.
  ASSERT_TRUE(WaitForTabs(window_, {L"b.html    ", L"c.html    "}));
  EXPECT_EQ(SelectedTab(window_), 1);

  Type(L"z");
  Post(kClose);
  MessageBoxSeen prompt = Box();
  EXPECT_EQ(prompt.caption, L"c.html");
  EXPECT_EQ(prompt.text, L"This document has changes. Save them?");
  EXPECT_TRUE(AnswerAndWait(prompt.box, IDCANCEL)) << "the box stays";
  EXPECT_TRUE(NoBoxFor(500));
  EXPECT_EQ(TabTexts(window_), (std::vector<std::wstring>{L"b.html    ", L"c.html*    "}));
  Post(kClose);
  Answer(Box().box, IDNO);
  ASSERT_TRUE(WaitForTabs(window_, {L"b.html    "}));
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"c.html")), "t");
  SendCommand(window_, kClose);
  EXPECT_TRUE(WaitForTabs(window_, {UntitledTitle() + L"    "}));

  Post(kToggleBookmark);
  MessageBoxSeen refused = Box();
  EXPECT_EQ(refused.text, L"Save the document before you set a bookmark.");
  PressOk(refused.box);
}

TEST_F(Tabs, AFileChangedByAnotherProgramIsOfferedForReloadOnce) {
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "old"));
  Start({L"a.html"});
  ASSERT_TRUE(WaitForTabs(window_, {L"a.html    "}));
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "new\r\ntext"));
  // Another program's write, a few seconds later than the one loaded.
  ASSERT_TRUE(MarkWrittenLater(installed_.scratch.File(L"a.html")));

  PostMessageW(window_, WM_ACTIVATEAPP, TRUE, 0);
  MessageBoxSeen prompt = Box();
  EXPECT_EQ(prompt.caption, L"a.html");
  EXPECT_EQ(prompt.text, L"This file was changed by another program. Load it again?");
  Answer(prompt.box, IDYES);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return DocumentText(window_) == L"new\r\ntext"; }));
  PostMessageW(window_, WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(NoBoxFor(kQuietMs));
}

TEST_F(Tabs, AFailedSaveLeavesTheFileAndTheChangeMark) {
  ASSERT_TRUE(installed_.scratch.Write(L"a.html", "kept"));
  Start({L"a.html"});
  Type(L"x");
  ASSERT_TRUE(WaitForTabs(window_, {L"a.html*    "}));
  const std::wstring path = installed_.scratch.File(L"a.html");
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  Post(kSave);
  MessageBoxSeen failed = Box();
  // The file and the system's reason follow the message.
  const std::wstring head = L"The file could not be saved.\n\n" + path + L"\n";
  EXPECT_EQ(Unwrapped(failed.text).substr(0, head.size()), head);
  EXPECT_GT(Unwrapped(failed.text).size(), head.size());
  PressOk(failed.box);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadWholeFile(path), "kept");
  EXPECT_EQ(TabTexts(window_), std::vector<std::wstring>{L"a.html*    "});
}

// Polls the file until its size is not `old_size`; how long that took.
double MillisecondsUntilResized(const std::wstring& path, std::uint64_t old_size) {
  const ULONGLONG start = GetTickCount64();
  while (GetTickCount64() - start < kExitTimeoutMs) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
        (std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow) != old_size)
      return static_cast<double>(GetTickCount64() - start);
  }
  return -1;
}

TEST_F(Tabs, AKillDuringASaveLeavesTheOldFileOrTheNewOneWhole) {
  std::string old_file;
  for (int i = 0; old_file.size() < 8'000'000; ++i) old_file += "<p>line " + std::to_string(i) + "</p>\r\n";
  const std::string new_file = "x" + old_file;
  const std::wstring path = installed_.scratch.File(L"big.html");
  // An undisturbed save, and how long after the command the new file is in
  // place.
  ASSERT_TRUE(installed_.scratch.Write(L"big.html", old_file));
  Start({L"big.html"});
  Type(L"x");
  Post(kSave);
  const double saved_ms = MillisecondsUntilResized(path, old_file.size());
  ASSERT_GT(saved_ms, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ReadWholeFile(path) == new_file; }));
  ASSERT_TRUE(CloseDiscarding(*program_, window_));

  constexpr int kSteps = 8;
  int old_kept = 0, new_whole = 0;
  for (int step = 0; step <= kSteps; ++step) {
    const DWORD delay = static_cast<DWORD>(saved_ms * 1.5 * step / kSteps);
    ASSERT_TRUE(installed_.scratch.Write(L"big.html", old_file));
    Start({L"big.html"});
    Type(L"x");
    ASSERT_TRUE(WaitForTabs(window_, {L"big.html*    "}));
    Post(kSave);
    Sleep(delay);
    program_.reset();  // killed where it stands
    window_ = nullptr;
    const std::string left = ReadWholeFile(path);
    if (left == old_file) {
      ++old_kept;
    } else {
      EXPECT_TRUE(left == new_file) << "killed " << delay << " ms after the command: " << left.size() << " bytes";
      ++new_whole;
    }
  }
  std::printf("sweep: old kept %d times, new whole %d times\n", old_kept, new_whole);
}

TEST_F(Tabs, TwentyOneOpenedFilesLeaveTheTwentyMostRecentAtExit) {
  std::vector<std::wstring> names;
  for (int i = 0; i < 21; ++i) {
    names.push_back(L"f" + std::to_wstring(i) + L".html");
    ASSERT_TRUE(installed_.scratch.Write(names.back(), "f"));
  }
  Start(names);
  SendCommand(window_, kNew);
  ASSERT_TRUE(CloseDiscarding(*program_, window_));
  window_ = nullptr;
  SettingsFile written;
  ASSERT_TRUE(written.Parse(ReadWholeFile(installed_.scratch.File(L"Vorndel.ini"))));
  for (int k = 0; k < 20; ++k) EXPECT_EQ(written.String(kRecentPaths + k), installed_.scratch.File(names[20 - k]));
}

}  // namespace
}  // namespace e2e
