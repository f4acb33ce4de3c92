// Saves as a user meets them where bytes are easily lost: a symbolic link,
// a file with two names, a character the encoding cannot hold, a file
// another program changed, and a full volume at a long path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/program_session.h"
#include "e2e/settings_file.h"
#include "e2e/unix_commands.h"

namespace e2e {
namespace {

constexpr WORD kSave = 5050;
constexpr WORD kSaveAs = 5051;
constexpr WORD kSaveAll = 5052;
// The file name box of the system's save dialog: a combo box in the
// explorer style, an edit box in the older one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;
constexpr DWORD kQuietMs = 1000;

// "日本語のテキストです。" in Shift_JIS, twice.
const std::string kShiftJisText =
    "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67\x82\xC5\x82\xB7\x81\x42\r\n"
    "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67\x82\xC5\x82\xB7\x81\x42\r\n";

class Saves : public ProgramSession {
 protected:
  std::wstring File(const wchar_t* name) const { return installed_.scratch.File(name); }
  // Activates the tab whose text starts with `name`.
  void Activate(const std::wstring& name) {
    const std::vector<std::wstring> texts = TabTexts(window_);
    int index = -1;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i)
      if (texts[i].rfind(name, 0) == 0) index = i;
    ASSERT_GE(index, 0) << "no tab " << std::string(name.begin(), name.end());
    // A left click: a right one would leave the tab strip's menu open.
    const POINT box = CloseBoxCentre(window_, index);
    const LPARAM at = MAKELPARAM(box.x - 20, box.y);
    PostMessageW(TabStrip(window_), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(TabStrip(window_), WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return SelectedTab(window_) == index; }));
  }
  std::wstring SelectedTabText() { return TabTexts(window_)[static_cast<std::size_t>(SelectedTab(window_))]; }
};

// Another program's write, a few seconds later than the one loaded.
void WriteAsAnotherProgram(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  FILETIME time = {};
  GetSystemTimeAsFileTime(&time);
  ULARGE_INTEGER later = {{time.dwLowDateTime, time.dwHighDateTime}};
  later.QuadPart += 50'000'000;
  time = {later.LowPart, later.HighPart};
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

TEST_F(Saves, LinksEncodingsAndOtherProgramsChangesKeepEveryByte) {
  const std::string old_text = "<p>old</p>\r\n";
  ASSERT_TRUE(installed_.scratch.Write(L"real.html", old_text));
  ASSERT_TRUE(RunUnix("ln", {"-s", UnixPath(File(L"real.html")), UnixPath(File(L"link.html"))}));
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ReadWholeFile(File(L"link.html")) == old_text; }));
  ASSERT_TRUE(installed_.scratch.Write(L"pair_a.html", old_text));
  ASSERT_TRUE(CreateHardLinkW(File(L"pair_b.html").c_str(), File(L"pair_a.html").c_str(), nullptr));
  ASSERT_TRUE(installed_.scratch.Write(L"japanese.txt", kShiftJisText));
  ASSERT_TRUE(installed_.scratch.Write(L"changed.html", old_text));
  Start({L"link.html", L"pair_a.html", L"japanese.txt", L"changed.html"});

  // Through the link: the file it names takes the text, the link stays.
  Activate(L"link.html");
  Type(L"1");
  Post(kSave);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ReadWholeFile(File(L"real.html")) == "1" + old_text; }));
  EXPECT_EQ(ReadWholeFile(File(L"link.html")), "1" + old_text);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return SelectedTabText() == L"link.html    "; }));

  // Both names of a file with two.
  Activate(L"pair_a.html");
  Type(L"2");
  Post(kSave);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ReadWholeFile(File(L"pair_a.html")) == "2" + old_text; }));
  EXPECT_EQ(ReadWholeFile(File(L"pair_b.html")), "2" + old_text);
  EXPECT_TRUE(NoBoxFor(kQuietMs));

  // Save all over two files made read-only: one message lists both, each
  // with its reason, and neither changes.
  for (const wchar_t* name : {L"real.html", L"pair_a.html"})
    ASSERT_TRUE(SetFileAttributesW(File(name).c_str(), FILE_ATTRIBUTE_READONLY));
  for (const wchar_t* name : {L"link.html", L"pair_a.html"}) {
    Activate(name);
    Type(L"4");
  }
  Post(kSaveAll);
  MessageBoxSeen failures = Box();
  const std::wstring listed = Unwrapped(failures.text);
  EXPECT_EQ(listed.rfind(L"These files could not be saved:", 0), 0u);
  for (const wchar_t* name : {L"link.html", L"pair_a.html"})
    EXPECT_NE(listed.find(L"\n\n" + File(name) + L"\n"), std::wstring::npos) << std::string(listed.begin(), listed.end());
  EXPECT_TRUE(AnswerAndWait(failures.box, IDOK));
  EXPECT_TRUE(NoBoxFor(kQuietMs));
  EXPECT_EQ(ReadWholeFile(File(L"real.html")), "1" + old_text);
  EXPECT_EQ(ReadWholeFile(File(L"pair_a.html")), "2" + old_text);
  for (const wchar_t* name : {L"real.html", L"pair_a.html"})
    SetFileAttributesW(File(name).c_str(), FILE_ATTRIBUTE_NORMAL);

  // A character Shift_JIS lacks: asked, and Cancel writes nothing.
  Activate(L"japanese.txt");
  EXPECT_EQ(StatusText(window_, 1), L"Shift_JIS");
  Type(L"\u20AC");
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return SelectedTabText() == L"japanese.txt*    "; }));
  Post(kSave);
  MessageBoxSeen question = Box();
  EXPECT_EQ(question.caption, L"japanese.txt");
  EXPECT_EQ(question.text,
            L"Some characters cannot be written in Shift_JIS and would be saved as \"?\". The first is on line 1, "
            L"column 1; 1 in all.\n\nYes: save in UTF-8 instead\nNo: save with \"?\"\nCancel: do not save");
  Screenshot(ScenarioName() + L"_question");
  EXPECT_TRUE(AnswerAndWait(question.box, IDCANCEL)) << "the box stays";
  EXPECT_TRUE(NoBoxFor(kQuietMs));
  EXPECT_EQ(ReadWholeFile(File(L"japanese.txt")), kShiftJisText);
  EXPECT_EQ(SelectedTabText(), L"japanese.txt*    ");

  // Changed by another program after the last load: asked, No keeps it.
  Activate(L"changed.html");
  Type(L"3");
  ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return SelectedTabText() == L"changed.html*    "; }));
  const std::string other_text = "the other program's text";
  WriteAsAnotherProgram(File(L"changed.html"), other_text);
  Post(kSave);
  MessageBoxSeen overwrite = Box();
  EXPECT_EQ(overwrite.caption, L"changed.html");
  EXPECT_EQ(overwrite.text, L"This file was changed by another program since it was loaded or saved. Overwrite it?");
  EXPECT_TRUE(AnswerAndWait(overwrite.box, IDNO)) << "the box stays";
  EXPECT_TRUE(NoBoxFor(kQuietMs));
  EXPECT_EQ(ReadWholeFile(File(L"changed.html")), other_text);
  EXPECT_EQ(SelectedTabText(), L"changed.html*    ");
  Screenshot(ScenarioName());

  // Save As onto the file another tab holds: asked, that tab closes first
  // with its own prompt, and one tab is left holding the file.
  Activate(L"pair_a.html");
  Post(kSaveAs);
  const HWND dialog = WaitOwnedDialog(window_);
  ASSERT_NE(dialog, nullptr);
  HWND name_box = GetDlgItem(dialog, kFileNameCombo);
  if (!name_box) name_box = GetDlgItem(dialog, kFileNameEdit);
  ASSERT_NE(name_box, nullptr);
  SendMessageW(name_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(File(L"changed.html").c_str()));
  Answer(dialog, IDOK);
  const std::vector<std::pair<std::wstring, int>> answers = {
      {L"", IDYES},  // the dialog's own question about a file that is there
      {L"This file is open in another tab. Close that tab and save over the file?", IDYES},
      {L"", IDNO},  // the other tab's close prompt: its changes go
  };
  for (const auto& [expected, answer] : answers) {
    MessageBoxSeen asked;
    ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] {
      return WaitMessageBox(program_->Id(), 100, asked) && asked.box != dialog && IsWindowVisible(asked.box);
    }));
    if (!expected.empty()) EXPECT_EQ(asked.text, expected);
    ASSERT_TRUE(AnswerAndWait(asked.box, answer));
  }
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ReadWholeFile(File(L"changed.html")) == "24" + old_text; }));
  const std::vector<std::wstring> tabs = TabTexts(window_);
  EXPECT_EQ(std::count(tabs.begin(), tabs.end(), L"changed.html    "), 1);
  EXPECT_EQ(std::count_if(tabs.begin(), tabs.end(), [](const std::wstring& t) { return t.rfind(L"pair_a", 0) == 0; }), 0);
}

// A volume of 2 MB, nearly full, mounted at a path that leaves the file
// about 250 characters long: the save fails, says so with the system's
// reason, and the file keeps every byte.
TEST_F(Saves, AFullVolumeAtALongPathKeepsTheFileAndTellsWhy) {
  const std::wstring volume = File(L"volume");
  SmallVolume small(volume, 2048);
  ASSERT_TRUE(small.Mounted()) << "no small volume at " << small.UnixFolder();

  std::wstring folder = volume;
  while (folder.size() < 236) {
    folder += L"\\" + std::wstring(std::min<std::size_t>(40, 236 - folder.size()), L'd');
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  }
  const std::wstring path = folder + L"\\page.html";
  ASSERT_GE(path.size(), 245u);
  ASSERT_LT(path.size(), 256u);
  std::string old_bytes;
  for (int i = 0; old_bytes.size() < 600'000; ++i) old_bytes += "<p>line " + std::to_string(i) + "</p>\r\n";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file, old_bytes.data(), static_cast<DWORD>(old_bytes.size()), &written, nullptr));
  CloseHandle(file);
  // Fill the rest but for a little less than the file.
  HANDLE filler = CreateFileW((volume + L"\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  const std::string block(64 * 1024, 'f');
  while (WriteFile(filler, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written > 0) {
  }
  CloseHandle(filler);

  StartWithPaths({path});
  Type(L"x");
  ASSERT_TRUE(WaitForTabs(window_, {L"page.html*    "}));
  Post(kSave);
  MessageBoxSeen failed = Box();
  const std::wstring head = L"The file could not be saved.\n\n" + path + L"\n";
  const std::wstring text = Unwrapped(failed.text);
  EXPECT_EQ(text.substr(0, head.size()), head);
  ASSERT_GT(text.size(), head.size() + 3) << "no reason given";
  std::printf("told: %s\n", std::string(text.begin() + static_cast<std::ptrdiff_t>(head.size()), text.end()).c_str());
  Screenshot(ScenarioName());
  PressOk(failed.box);
  EXPECT_TRUE(NoBoxFor(kQuietMs));
  EXPECT_EQ(ReadWholeFile(path), old_bytes);
  EXPECT_EQ(TabTexts(window_), std::vector<std::wstring>{L"page.html*    "});
  ASSERT_TRUE(CloseDiscarding(*program_, window_));
  window_ = nullptr;
}

// The tag library and the settings file written at exit: each failure is
// told before the program ends, and the old files stay as they were.
TEST_F(Saves, FilesThatCannotBeWrittenAtExitAreTold) {
  const std::wstring ini = File(L"Vorndel.ini"), tags = File(L"Tags.txt");
  ASSERT_TRUE(installed_.scratch.Write(L"Tags.txt", ""));
  for (const std::wstring& path : {ini, tags}) ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  StartWithPaths({});
  PostMessageW(window_, WM_CLOSE, 0, 0);
  for (const auto& [head_text, path] : {std::pair{L"The tag library could not be written.", tags},
                                        std::pair{L"The settings file could not be written.", ini}}) {
    MessageBoxSeen told = Box();
    const std::wstring head = std::wstring(head_text) + L"\n\n" + path + L"\n";
    const std::wstring text = Unwrapped(told.text);
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_GT(text.size(), head.size() + 3) << "no reason given";
    EXPECT_TRUE(program_->Running());
    PressOk(told.box);
  }
  DWORD code = 99;
  EXPECT_TRUE(program_->WaitExit(kExitTimeoutMs, code));
  window_ = nullptr;
  for (const std::wstring& path : {ini, tags}) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadWholeFile(path), "");
  }
}

}  // namespace
}  // namespace e2e
