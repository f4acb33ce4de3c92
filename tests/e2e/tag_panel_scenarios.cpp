// The tag panel as a user meets it: the library read into the tree and
// written back at exit (whole or not at all, even when killed meanwhile; a
// library that could not be read under a new name),
// quick tags and a click on a tag wrapping the selection, a new folder and
// an edited tag through their dialogs; find in files listing its results
// on the second tab and a row opening its file at the match.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/exit_kills.h"
#include "e2e/file_browser.h"
#include "e2e/installed_program.h"
#include "e2e/real_input.h"
#include "e2e/remote_block.h"
#include "e2e/settings_file.h"
#include "e2e/tag_tree_seen.h"

namespace e2e {
namespace {

constexpr WORD kSelectAll = 5124;
constexpr WORD kDocumentStart = 6000;
constexpr WORD kFirstQuickTag = 5411;
constexpr WORD kNewFolder = 5800;
constexpr int kFolderName = 3011;
constexpr int kStartText = 3121;
constexpr int kEndText = 3131;
constexpr int kKillSteps = 4;
constexpr WORD kFindInFiles = 5940;
constexpr int kFindWhat = 2810;
constexpr int kSearchedFolder = 2811;
constexpr int kResultsList = 413;

// A library file: the byte-order mark and the text in UTF-16 LE.
std::string LibraryBytes(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// Escapes, all three line ends, a two-line start, a long end, and a tag
// right after a folder line, which the reader skips up to the next folder.
const std::wstring kLongEnd(1000, L'e');
const std::wstring kPrepared =
    L"Folder:Lists\r\nExp:1\r\n\r\n"
    L"Name:Item\nStart:<ul>\\n<li>\rEnd:" + kLongEnd + L"\r\nNote:one\\ntwo\r\nMove:0\r\n\r\n"
    L"Name:Path\r\nStart:C:\\\\x\r\nEnd:\r\nNote:\r\nMove:-2\r\n\r\n"
    L"Folder:Orphans\r\nName:Lost\r\nStart:<i>\r\nEnd:</i>\r\nNote:\r\nMove:0\r\n"
    L"Folder:Closed\r\nExp:0\r\n\r\nName:Bold\r\nStart:<b>\r\nEnd:</b>\r\nNote:\r\nMove:0\r\n";
const std::wstring kWrittenBack =
    L"Folder:Lists\r\nExp:1\r\n\r\n"
    L"Name:Item\r\nStart:<ul>\\n<li>\r\nEnd:" + kLongEnd + L"\r\nNote:one\\ntwo\r\nMove:0\r\n\r\n"
    L"Name:Path\r\nStart:C:\\\\x\r\nEnd:\r\nNote:\r\nMove:-2\r\n\r\n"
    L"Folder:Orphans\r\nExp:0\r\n\r\n"
    L"Folder:Closed\r\nExp:0\r\n\r\nName:Bold\r\nStart:<b>\r\nEnd:</b>\r\nNote:\r\nMove:0\r\n\r\n";

// 100 folders of 100 tags each, in the given line end.
std::wstring LargeLibraryText(const std::wstring& line_end) {
  std::wstring text;
  for (int folder = 0; folder < 100; ++folder) {
    text += L"Folder:Folder " + std::to_wstring(folder) + line_end + L"Exp:0" + line_end + line_end;
    for (int tag = 0; tag < 100; ++tag)
      text += L"Name:Tag " + std::to_wstring(tag) + line_end + L"Start:<span class=\"t" + std::to_wstring(tag) +
              L"\">" + line_end + L"End:</span>" + line_end + L"Note:" + line_end + L"Move:0" + line_end + line_end;
  }
  return text;
}

class TagPanel : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MainWindows().empty()) << "a main window was left over";
    // Settings beside the program keep the library in the scratch folder.
    ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", ""));
  }
  void TearDown() override {
    if (program_ && window_) {
      EXPECT_TRUE(CloseDiscarding(*program_, window_));
    }
  }

  void Start(const std::vector<std::wstring>& files = {}) {
    program_ = std::make_unique<Program>(installed_.exe, files);
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ActiveEditor(window_) != nullptr; }));
    tree_ = TagTree(window_);
    ASSERT_NE(tree_, nullptr);
  }
  void Stop() {
    ASSERT_TRUE(CloseDiscarding(*program_, window_));
    window_ = nullptr;
  }
  std::string Library() { return ReadWholeFile(installed_.scratch.File(L"Tags.txt")); }

  InstalledProgram installed_{ScenarioName()};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
  HWND tree_ = nullptr;
};

TEST_F(TagPanel, ThePreparedLibraryKeepsItsNodesAndIsWrittenBackInItsOwnForm) {
  ASSERT_TRUE(installed_.scratch.Write(L"Tags.txt", LibraryBytes(kPrepared)));
  Start();
  // Lists with Item and Path, Orphans empty, Closed with Bold.
  EXPECT_EQ(NodeCount(tree_), 6);
  Screenshot(ScenarioName());
  Stop();
  EXPECT_EQ(Library(), LibraryBytes(kWrittenBack));
}

TEST_F(TagPanel, TheShippedLibraryBecomesTheUsersAndOneThatCouldNotBeReadIsLeftAloneAndTold) {
  ASSERT_TRUE(installed_.scratch.CopyFromBin(L"OptTags_en.txt", L"OptTags_en.txt"));
  Start();
  EXPECT_GT(NodeCount(tree_), 0);
  Stop();
  const std::string shipped = ReadWholeFile(installed_.scratch.File(L"OptTags_en.txt"));
  ASSERT_EQ(Library(), shipped);

  // Held by another program while the panel reads it: the user is told,
  // and this run's library goes beside it under a new name at exit.
  const std::wstring path = installed_.scratch.File(L"Tags.txt");
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Start();
  MessageBoxSeen told;
  ASSERT_TRUE(WaitMessageBox(program_->Id(), kStartTimeoutMs, told));
  Screenshot(ScenarioName());
  EXPECT_EQ(told.text.substr(0, told.text.find(L'\r')),
            L"The tag library could not be read whole. It is left as it is; the tags of this session will be saved "
            L"under a new name at exit:");
  EXPECT_TRUE(told.text.ends_with(L"\\Tags.txt")) << std::string(told.text.begin(), told.text.end());
  PressOk(told.box);
  CloseHandle(held);
  EXPECT_EQ(NodeCount(tree_), 0);
  // The first folder of an empty library, made in this run.
  PostMessageW(RightBase(window_), WM_COMMAND, kNewFolder, 0);
  HWND dialog = WaitDialog(program_->Id(), L"New folder");
  ASSERT_NE(dialog, nullptr);
  SendMessageW(GetDlgItem(dialog, kFolderName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Session"));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return NodeCount(tree_) == 1; }));

  PostMessageW(window_, WM_CLOSE, 0, 0);
  MessageBoxSeen saved;
  ASSERT_TRUE(WaitMessageBox(program_->Id(), kStartTimeoutMs, saved));
  EXPECT_TRUE(saved.text.ends_with(L"\\Tags (2).txt")) << std::string(saved.text.begin(), saved.text.end());
  PressOk(saved.box);
  DWORD exit_code = 0;
  ASSERT_TRUE(program_->WaitExit(kExitTimeoutMs, exit_code));
  window_ = nullptr;
  EXPECT_EQ(Library(), shipped);
  EXPECT_EQ(ReadWholeFile(installed_.scratch.File(L"Tags (2).txt")), LibraryBytes(L"Folder:Session\r\nExp:0\r\n\r\n"));
}

// Written with LF, the library comes back with CR LF: the new file differs
// from the old one in size.
TEST_F(TagPanel, AKillDuringTheWriteAtExitLeavesTheOldLibraryOrTheNewOneWhole) {
  const std::string written = LibraryBytes(LargeLibraryText(L"\r\n"));
  SweepKillsAtExit(installed_, L"Tags.txt", LibraryBytes(LargeLibraryText(L"\n")), kKillSteps,
                   [&](const std::string& left) { EXPECT_TRUE(left == written) << "not the library written whole"; });
}

TEST_F(TagPanel, AQuickTagWrapsTheSelectionAndLeavesTheCaretAfterItsStart) {
  Start();
  HWND editor = ActiveEditor(window_);
  SendCharacters(editor, L"abc");
  SendCommand(window_, kSelectAll);
  SendCommand(window_, kFirstQuickTag);
  SendCharacters(editor, L"x");
  EXPECT_EQ(DocumentText(window_), L"<h1>xabc</h1>");
}

TEST_F(TagPanel, ClickingATagWrapsTheSelectionAndTheEditorKeepsTheKeyboard) {
  ASSERT_TRUE(installed_.scratch.Write(L"Tags.txt", LibraryBytes(kPrepared)));
  Start();
  SendCharacters(ActiveEditor(window_), L"abc");
  SendCommand(window_, kSelectAll);
  SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(NodeAt(tree_, 2)));
  HTREEITEM tag = NodeAt(tree_, 2, 0);  // Bold
  ASSERT_NE(tag, nullptr);
  ASSERT_TRUE(ClickAt(window_, tree_, NodeCentre(tree_, tag)));
  ASSERT_TRUE(TypeText(window_, L"x"));
  EXPECT_EQ(DocumentText(window_), L"<b>xabc</b>");
}

TEST_F(TagPanel, NewFolderFromTheRightBaseAsksForANameAndIsSaved) {
  Start();
  PostMessageW(RightBase(window_), WM_COMMAND, kNewFolder, 0);
  HWND dialog = WaitDialog(program_->Id(), L"New folder");
  ASSERT_NE(dialog, nullptr);
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  HWND warning = WaitDialog(program_->Id(), L"Tag library");
  ASSERT_NE(warning, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(warning, 0xFFFF)), L"Please enter a name.");
  PressOk(warning);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(warning); }));
  SendMessageW(GetDlgItem(dialog, kFolderName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Forms"));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(dialog); }));
  EXPECT_EQ(NodeCount(tree_), 1);
  Stop();
  EXPECT_EQ(Library(), LibraryBytes(L"Folder:Forms\r\nExp:0\r\n\r\n"));
}

TEST_F(TagPanel, EditingATagShowsItsLinesAndOkKeepsItsLongTextsWhole) {
  ASSERT_TRUE(installed_.scratch.Write(L"Tags.txt", LibraryBytes(kPrepared)));
  Start();
  HTREEITEM item = NodeAt(tree_, 0, 0);
  ASSERT_NE(item, nullptr);
  POINT point = NodeCentre(tree_, item);
  ClientToScreen(tree_, &point);
  SetForegroundWindow(window_);
  MouseAt(point.x, point.y, 0);
  MouseAt(point.x, point.y, MOUSEEVENTF_RIGHTDOWN);
  MouseAt(point.x, point.y, MOUSEEVENTF_RIGHTUP);
  // New folder, New tag, then Edit.
  for (int i = 0; i < 3; ++i) PressKey(window_, VK_DOWN, false);
  PressKey(window_, VK_RETURN, false);
  HWND dialog = WaitDialog(program_->Id(), L"Edit tag");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kStartText)), L"<ul>\r\n<li>");
  // Typing stops at 259 characters; the long end text from the file stays
  // whole.
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kStartText), EM_GETLIMITTEXT, 0, 0), 259);
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kEndText), EM_GETLIMITTEXT, 0, 0), 1000);
  Screenshot(ScenarioName());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(dialog); }));
  Stop();
  EXPECT_EQ(Library(), LibraryBytes(kWrittenBack));
}

TEST_F(TagPanel, TheWheelScrollsOnlyTheWindowUnderThePointer) {
  std::wstring many = L"Folder:Many\r\nExp:1\r\n\r\n";
  for (int i = 0; i < 80; ++i)
    many += L"Name:T" + std::to_wstring(i) + L"\r\nStart:<a>\r\nEnd:</a>\r\nNote:\r\nMove:0\r\n\r\n";
  ASSERT_TRUE(installed_.scratch.Write(L"Tags.txt", LibraryBytes(many)));
  Start();
  HWND area = GetDlgItem(GetDlgItem(window_, 301), 420);
  ASSERT_NE(area, nullptr);
  auto centre = [](HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  };
  auto first_visible = [&] { return SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0); };
  const LRESULT top = first_visible();
  ASSERT_NE(top, 0);
  // The area itself under the pointer and a wheel with Ctrl held pass
  // nothing on; the tree under the pointer scrolls.
  const struct {
    POINT at;
    WORD keys;
    bool scrolls;
  } cases[] = {{centre(area), 0, false}, {centre(tree_), MK_CONTROL, false}, {centre(tree_), 0, true}};
  for (const auto& wheel : cases) {
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(area, WM_MOUSEWHEEL, MAKEWPARAM(wheel.keys, static_cast<WORD>(-WHEEL_DELTA)),
                                    MAKELPARAM(wheel.at.x, wheel.at.y), SMTO_ABORTIFHUNG, kStartTimeoutMs, &answer))
        << "the wheel came back to the area";
    EXPECT_EQ(first_visible() != top, wheel.scrolls) << wheel.at.x << "," << wheel.at.y << " keys " << wheel.keys;
  }
  // The tree holding the wheel (it had the focus) passes it to the editor
  // under the pointer and stays where it is.
  HWND editor = ActiveEditor(window_);
  SendCharacters(editor, std::wstring(80, L'\r'));
  SendCommand(window_, kDocumentStart);
  const LRESULT tree_top = first_visible();
  const ClientPicture unscrolled(editor);
  const POINT over_editor = centre(editor);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutW(tree_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                                  MAKELPARAM(over_editor.x, over_editor.y), SMTO_ABORTIFHUNG, kStartTimeoutMs,
                                  &answer));
  EXPECT_FALSE(SamePicture(ClientPicture(editor), unscrolled)) << "the editor did not scroll";
  EXPECT_EQ(first_visible(), tree_top);
}

// Rows as "line|text", the summary row first.
std::vector<std::wstring> ResultRows(HWND list) {
  const std::vector<std::wstring> lines = ListTexts(list, 0), texts = ListTexts(list, 1);
  std::vector<std::wstring> rows;
  for (std::size_t k = 0; k < lines.size() && k < texts.size(); ++k) rows.push_back(lines[k] + L"|" + texts[k]);
  return rows;
}

TEST_F(TagPanel, FindInFilesListsTheMatchingLinesBesideTheTagsAndARowOpensItsFileWithTheMatchSelected) {
  const Scratch& scratch = installed_.scratch;
  ASSERT_TRUE(scratch.MakeFolder(L"site") && scratch.MakeFolder(L"site\\sub"));
  ASSERT_TRUE(scratch.Write(L"site\\index.html", "<p>one</p>\r\n  <p>a needle here</p>\r\n"));
  ASSERT_TRUE(scratch.Write(L"site\\notes.txt", "nothing\r\n"));
  ASSERT_TRUE(scratch.Write(L"site\\binary.txt", std::string("needle\0\x01", 8)));
  ASSERT_TRUE(scratch.Write(L"site\\logo.png", "needle"));
  ASSERT_TRUE(scratch.Write(L"site\\sub\\style.css", "a {}\nb { needle: 1 }\n"));
  Start({scratch.File(L"site\\index.html")});

  PostMessageW(window_, WM_COMMAND, kFindInFiles, 0);
  HWND dialog = WaitDialog(program_->Id(), L"Find in files");
  ASSERT_NE(dialog, nullptr);
  // The folder of the active document, the default masks.
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kSearchedFolder)), scratch.File(L"site"));
  SendMessageW(GetDlgItem(dialog, kFindWhat), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"needle"));
  Screenshot(ScenarioName() + L"_dialog");
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);

  HWND list = GetDlgItem(RightBase(window_), kResultsList);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ListTexts(list, 1).front().ends_with(L" s"); }));
  ASSERT_TRUE(IsWindowVisible(list));
  EXPECT_FALSE(IsWindowVisible(tree_));
  const std::vector<std::wstring> rows = ResultRows(list);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_TRUE(rows[0].starts_with(L"|2 matching lines in 2 files; 3 files searched, 1 skipped; ")) << rows[0].c_str();
  EXPECT_EQ(std::vector<std::wstring>(rows.begin() + 1, rows.end()),
            (std::vector<std::wstring>{L"|index.html", L"2|<p>a needle here</p>", L"|sub\\style.css",
                                       L"2|b { needle: 1 }"}));
  Screenshot(ScenarioName() + L"_results");

  // Enter on the last row opens the style sheet with the match selected.
  RemoteBlock block(list, sizeof(LVITEMW));
  LVITEMW chosen = {};
  chosen.state = chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ASSERT_TRUE(block.Write(0, &chosen, sizeof chosen));
  SendMessageW(list, LVM_SETITEMSTATE, 4, reinterpret_cast<LPARAM>(block.At(0)));
  SendKey(list, VK_RETURN);
  ASSERT_TRUE(WaitForFiles(window_, 2));
  EXPECT_EQ(OpenedFiles(window_)[static_cast<std::size_t>(ActiveFile(window_))], scratch.File(L"site\\sub\\style.css"));
  EXPECT_EQ(CopiedSelection(window_), L"needle");
}

}  // namespace
}  // namespace e2e
