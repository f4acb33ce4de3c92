// The settings dialog as a user meets it: its pages, Apply, the Send To
// shortcut, the offered language modules and the switch between them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/real_input.h"
#include "e2e/remote_block.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

constexpr WORD kSettingsCommand = 5550;
constexpr int kPageList = 1001, kApply = 1002;
constexpr int kSendTo = 1140, kLanguage = 1154;
constexpr int kDocumentExtensions = 1231, kWheelStep = 1251;
constexpr std::uint32_t kLanguageName = 0, kDocumentExtensionsEntry = 13, kWheelStepEntry = 22;
constexpr WORD kFileButton = 5000;
constexpr int kFindLabel = 700;
constexpr int kKeyBindings = 1130, kBindingRows = 1550, kKeyList = 1520, kAssign = 1530, kCloseBindings = 1533;
constexpr int kCtrl = 1540, kShift = 1541;
constexpr int kOpenRow = 1, kKeyN = 28 + 10 + 13;

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  if (GetDlgCtrlID(window) != search.id) return TRUE;
  search.found = window;
  return FALSE;
}

// A control anywhere on the dialog's pages.
HWND Control(HWND dialog, int id) {
  Search search{id, nullptr};
  EnumChildWindows(dialog, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct SettingsSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchSettings(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<SettingsSearch*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (process != search.process || !IsWindowVisible(window) || std::wstring(name) != L"#32770" ||
      !Control(window, kPageList)) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

// Found by its page list, whatever language its caption is in.
HWND OpenSettings(const Program& program, HWND main_window) {
  PostMessageW(main_window, WM_COMMAND, kSettingsCommand, 0);
  SettingsSearch search{program.Id(), nullptr};
  WaitUntil(kStartTimeoutMs, [&] { return !EnumWindows(MatchSettings, reinterpret_cast<LPARAM>(&search)); });
  return search.found;
}

void ShowPage(HWND dialog, int index) {
  HWND list = Control(dialog, kPageList);
  auto item = SendMessageW(list, TVM_GETNEXTITEM, TVGN_ROOT, 0);
  for (int i = 0; i < index; ++i) item = SendMessageW(list, TVM_GETNEXTITEM, TVGN_NEXT, item);
  SendMessageW(list, TVM_SELECTITEM, TVGN_CARET, item);
}

void Press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

bool WaitGone(HWND window) { return WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(window); }); }

std::vector<std::wstring> ComboItems(HWND box) {
  std::vector<std::wstring> items;
  const auto count = SendMessageW(box, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[300] = {};
    SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

void Choose(HWND box, const std::wstring& item) {
  const std::vector<std::wstring> items = ComboItems(box);
  const auto at = std::find(items.begin(), items.end(), item);
  ASSERT_NE(at, items.end());
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(at - items.begin()), 0);
}

std::wstring SendToShortcut() {
  wchar_t folder[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_SENDTO, nullptr, SHGFP_TYPE_CURRENT, folder);
  return std::wstring(folder) + L"\\Vorndel.lnk";
}

void Close(Program& program, HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code));
}

SettingsFile Written(const InstalledProgram& installed) {
  SettingsFile written;
  EXPECT_TRUE(written.Parse(ReadWholeFile(installed.scratch.File(L"Vorndel.ini"))));
  return written;
}

TEST(Options, PagesApplyAndTheSendToShortcutFollowsItsBox) {
  InstalledProgram installed(ScenarioName());
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", ""));
  ASSERT_TRUE(installed.scratch.CopyFromBin(L"Japanese.dll", L"Japanese.dll"));
  ASSERT_TRUE(installed.scratch.Write(L"Junk.dll", "no module at all"));
  DeleteFileW(SendToShortcut().c_str());
  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);

  HWND dialog = OpenSettings(program, window);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(Control(dialog, kPageList), TVM_GETCOUNT, 0, 0), 4);
  EXPECT_FALSE(IsWindowEnabled(Control(dialog, kApply)));
  EXPECT_EQ(ComboItems(Control(dialog, kLanguage)), (std::vector<std::wstring>{L"English", L"Japanese"}));
  Screenshot(ScenarioName() + L".general");

  // Leaving the wheel step at 0 turns it into 1.
  ShowPage(dialog, 1);
  HWND wheel = Control(dialog, kWheelStep), extensions = Control(dialog, kDocumentExtensions);
  ASSERT_TRUE(ClickAt(dialog, wheel, {4, 4}));
  SetWindowTextW(wheel, L"0");
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return IsWindowEnabled(Control(dialog, kApply)) != FALSE; }));
  ASSERT_TRUE(ClickAt(dialog, extensions, {4, 4}));
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return WindowText(wheel) == L"1"; })) << WindowText(wheel);
  SetWindowTextW(extensions, L".html  .htm");
  Screenshot(ScenarioName() + L".editing");
  ShowPage(dialog, 2);
  Screenshot(ScenarioName() + L".programs");
  ShowPage(dialog, 3);
  Screenshot(ScenarioName() + L".addresses");
  ShowPage(dialog, 0);

  SendMessageW(Control(dialog, kSendTo), BM_SETCHECK, BST_CHECKED, 0);
  Press(dialog, IDOK);
  ASSERT_TRUE(WaitGone(dialog));
  EXPECT_TRUE(Exists(SendToShortcut()));

  dialog = OpenSettings(program, window);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(Control(dialog, kSendTo), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(Control(dialog, kSendTo), BM_SETCHECK, BST_UNCHECKED, 0);
  Press(dialog, kApply);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [] { return !Exists(SendToShortcut()); }));
  Press(dialog, IDCANCEL);
  ASSERT_TRUE(WaitGone(dialog));
  Close(program, window);

  const SettingsFile written = Written(installed);
  EXPECT_EQ(written.String(kDocumentExtensionsEntry), std::wstring(L".html\0.htm\0", 11));
  EXPECT_EQ(written.Int(kWheelStepEntry), 1);
}

// The File popup as the user sees it.
ClientPicture FilePopup(const Program& program, HWND window, const std::wstring& shot) {
  PostMessageW(window, WM_APP, kFileButton, 0);
  HWND popup = WaitPopup(program.Id());
  EXPECT_NE(popup, nullptr);
  ClientPicture picture(popup);
  Screenshot(ScenarioName() + L"." + shot);
  PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  PostKey(window, VK_ESCAPE, false);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return WaitPopup(program.Id(), 0) == nullptr; }));
  return picture;
}

HWND WaitBindings(const Program& program) {
  HWND found = nullptr;
  WaitUntil(kStartTimeoutMs, [&] {
    for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT)) {
      DWORD process = 0;
      GetWindowThreadProcessId(top, &process);
      if (process == program.Id() && IsWindowVisible(top) && GetDlgItem(top, kBindingRows)) found = top;
    }
    return found != nullptr;
  });
  return found;
}

TEST(Options, AKeyChangedInTheKeyBindingDialogShowsInTheFilePopup) {
  InstalledProgram installed(ScenarioName());
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", ""));
  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  const ClientPicture before = FilePopup(program, window, L"before");
  // Nothing else changes the popup's picture between two openings.
  ASSERT_TRUE(SamePicture(before, FilePopup(program, window, L"again")));

  HWND dialog = OpenSettings(program, window);
  ASSERT_NE(dialog, nullptr);
  PostMessageW(Control(dialog, kKeyBindings), BM_CLICK, 0, 0);
  HWND bindings = WaitBindings(program);
  ASSERT_NE(bindings, nullptr);
  RemoteBlock block(bindings, sizeof(LVITEMW));
  LVITEMW item = {};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ASSERT_TRUE(block.Write(0, &item, sizeof item));
  SendDlgItemMessageW(bindings, kBindingRows, LVM_SETITEMSTATE, kOpenRow, reinterpret_cast<LPARAM>(block.At(0)));
  SendDlgItemMessageW(bindings, kKeyList, LB_SETCURSEL, kKeyN, 0);
  SendMessageW(bindings, WM_COMMAND, MAKEWPARAM(kKeyList, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(bindings, kKeyList)));
  SendDlgItemMessageW(bindings, kCtrl, BM_SETCHECK, BST_CHECKED, 0);
  SendDlgItemMessageW(bindings, kShift, BM_SETCHECK, BST_CHECKED, 0);
  Screenshot(ScenarioName() + L".bindings");
  SendMessageW(bindings, WM_COMMAND, MAKEWPARAM(kAssign, BN_CLICKED), 0);
  PostMessageW(bindings, WM_COMMAND, MAKEWPARAM(kCloseBindings, BN_CLICKED), 0);
  ASSERT_TRUE(WaitGone(bindings));
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return IsWindowEnabled(Control(dialog, kApply)) != FALSE; }));
  Press(dialog, IDOK);
  ASSERT_TRUE(WaitGone(dialog));

  EXPECT_FALSE(SamePicture(before, FilePopup(program, window, L"after")));
  Close(program, window);
}

TEST(Options, TheLanguageSwitchesAtOnceAndKeepsTheModuleWhenTheChosenOneFails) {
  InstalledProgram installed(ScenarioName());
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", ""));
  ASSERT_TRUE(installed.scratch.CopyFromBin(L"Japanese.dll", L"Japanese.dll"));
  ASSERT_TRUE(installed.scratch.CopyFromBin(L"Japanese.dll", L"Second.dll"));
  // The tab shows its title and room for its close box.
  const std::wstring japanese_untitled = UntitledTitle(L"Japanese.dll") + L"    ";
  ASSERT_NE(japanese_untitled, UntitledTitle() + L"    ");
  {
    Program program(installed.exe, {});
    HWND window = program.WaitMainWindow();
    ASSERT_NE(window, nullptr);
    HWND dialog = OpenSettings(program, window);
    ASSERT_NE(dialog, nullptr);
    Choose(Control(dialog, kLanguage), L"Japanese");
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitGone(dialog));
    EXPECT_TRUE(WaitUntil(kStartTimeoutMs,
                          [&] { return TabTexts(window) == std::vector<std::wstring>{japanese_untitled}; }));
    EXPECT_EQ(WindowText(Control(window, kFindLabel)), ModuleText(L"Japanese.dll", kFindLabel));
    FilePopup(program, window, L"japanese");
    Close(program, window);
    EXPECT_EQ(Written(installed).String(kLanguageName), L"Japanese");
  }
  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(TabTexts(window), std::vector<std::wstring>{japanese_untitled});
  HWND dialog = OpenSettings(program, window);
  ASSERT_NE(dialog, nullptr);
  for (int page = 3; page >= 0; --page) {
    ShowPage(dialog, page);
    Screenshot(ScenarioName() + L".page" + std::to_wstring(page));
  }
  Choose(Control(dialog, kLanguage), L"Second");
  ASSERT_TRUE(DeleteFileW(installed.scratch.File(L"Second.dll").c_str()));
  Press(dialog, IDOK);
  MessageBoxSeen seen;
  ASSERT_TRUE(WaitMessageBox(program.Id(), kStartTimeoutMs, seen));
  PressOk(seen.box);
  EXPECT_EQ(TabTexts(window), std::vector<std::wstring>{japanese_untitled});
  Close(program, window);
  EXPECT_EQ(Written(installed).String(kLanguageName), L"Japanese");
}

}  // namespace
}  // namespace e2e
