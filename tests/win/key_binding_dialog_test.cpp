// The key-binding dialog of English.dll driven as a user would, from a host
// window: a timer takes one step at a time while the dialog runs its modal
// loop, and what it changed reaches the working copies and, applied, the
// accelerator table.
#include "settings/key_binding_dialog_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "settings/accelerator_table.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "settings/accelerator_table.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "settings/key_bindings.h"
#include "support/program_folder.h"

namespace {

constexpr int kKeyList = 1520, kMouseList = 1521, kAssign = 1530, kRemove = 1531, kClose = 1533;
constexpr int kCtrl = 1540, kShift = 1541, kRows = 1550, kMouseMode = 1561;
constexpr int kOpenRow = 1, kSelectTagRow = 18, kFindRow = 19;
constexpr int kKeyN = 28 + 10 + 13;  // after the named keys and the digits
constexpr int kCapsLock = 15;
constexpr int kTickLimit = 200;

std::wstring Cell(HWND dialog, int row, int column) {
  wchar_t text[256] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  SendDlgItemMessageW(dialog, kRows, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

void SelectRow(HWND dialog, int row) {
  LVITEMW item = {};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendDlgItemMessageW(dialog, kRows, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void Choose(HWND dialog, int list, int index) {
  SendDlgItemMessageW(dialog, list, LB_SETCURSEL, index, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, list)));
}

// Posted, so that a message box it raises runs in the dialog's own loop.
void Click(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The dialog, and the message box over it when one is up.
struct Shown {
  HWND dialog = nullptr;
  HWND box = nullptr;
};

BOOL CALLBACK Collect(HWND window, LPARAM lparam) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32770" && IsWindowVisible(window))
    (GetDlgItem(window, kRows) ? reinterpret_cast<Shown*>(lparam)->dialog : reinterpret_cast<Shown*>(lparam)->box) =
        window;
  return TRUE;
}

// Each step waits for the message box it expects ("": none), answers it,
// then acts on the dialog.
struct Step {
  std::wstring box;
  std::function<void(HWND)> act;
};
std::vector<Step> script;
std::size_t next_step = 0;
bool box_answered = false;
int ticks = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
  Shown now;
  EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&now));
  if (++ticks > kTickLimit) {
    ADD_FAILURE() << "stalled at step " << next_step;
    if (now.box) EndDialog(now.box, IDOK);
    if (now.dialog) EndDialog(now.dialog, -2);
    return;
  }
  if (!now.dialog || next_step >= script.size()) return;
  const Step& step = script[next_step];
  if (now.box) {
    wchar_t text[256] = {};
    GetDlgItemTextW(now.box, 0xFFFF, text, 256);
    EXPECT_EQ(text, step.box) << "before step " << next_step;
    box_answered = true;
    PostMessageW(now.box, WM_COMMAND, IDOK, 0);
    return;
  }
  if (!step.box.empty() && !box_answered) return;
  box_answered = false;
  ++next_step;
  step.act(now.dialog);
}

TEST(KeyBindingDialog, AKeyAndAMouseActionChangedInTheDialogReachTheTable) {
  ASSERT_TRUE(language_module::Load(u"English", test_support::U16(test_support::ProgramFolder())));
  Frame().program_module = GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                              nullptr, nullptr, nullptr);
  Settings settings;
  settings.mouse_actions = binding_edits::DefaultMouseActions();
  ASSERT_TRUE(accelerator_table::LoadBindings(settings));
  binding_edits::BindingEdit edit = key_binding_dialog::PrepareEdit(settings);

  script = {
      {L"", [](HWND d) {
         EXPECT_EQ(SendDlgItemMessageW(d, kRows, LVM_GETITEMCOUNT, 0, 0), key_bindings::kSlotCount);
         EXPECT_EQ(Cell(d, 0, 0), L"File - New");
         EXPECT_EQ(Cell(d, 12, 1), L"Ctrl+Shift+Z");
         EXPECT_EQ(Cell(d, 42, 0), L"Insert tags - (Quick tag 1)");
         EXPECT_EQ(Cell(d, kSelectTagRow, 2), L"Double click");
         EXPECT_EQ(SendDlgItemMessageW(d, kKeyList, LB_GETCOUNT, 0, 0), 91);
         EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, kMouseList)));
         Click(d, kAssign);  // no row chosen
       }},
      {L"Choose a command from the list first.", [](HWND d) {
         SelectRow(d, kOpenRow);
         Click(d, kAssign);  // no key chosen
       }},
      {L"Choose a key or a mouse action from the list first.", [](HWND d) {
         Choose(d, kKeyList, kKeyN);
         CheckDlgButton(d, kCtrl, BST_CHECKED);
         Click(d, kAssign);  // Ctrl+N is New's
       }},
      {L"That key or mouse action is already in use.", [](HWND d) {
         CheckDlgButton(d, kCtrl, BST_UNCHECKED);
         Click(d, kAssign);
       }},
      {L"", [](HWND d) {
         EXPECT_EQ(Cell(d, kOpenRow, 1), L"N");
         CheckDlgButton(d, kShift, BST_CHECKED);
         Choose(d, kKeyList, kCapsLock);
         EXPECT_FALSE(IsDlgButtonChecked(d, kShift));
         EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, kShift)));
         Click(d, kMouseMode);
       }},
      {L"", [](HWND d) {
         EXPECT_TRUE(IsWindowVisible(GetDlgItem(d, kMouseList)));
         EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, kCtrl)));
         SelectRow(d, kFindRow);
         Choose(d, kMouseList, 3);
         Click(d, kAssign);
       }},
      {L"", [](HWND d) {
         EXPECT_EQ(Cell(d, kFindRow, 2), L"Extra button 1");
         SelectRow(d, kSelectTagRow);
         Click(d, kRemove);
       }},
      {L"", [](HWND d) {
         EXPECT_EQ(Cell(d, kSelectTagRow, 2), L"");
         Click(d, kClose);
       }},
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunStep);
  const int mode = key_binding_dialog::EditBindings(host, edit, settings, false);
  KillTimer(nullptr, timer);
  EXPECT_EQ(next_step, script.size());
  EXPECT_EQ(mode, 1);  // closed in mouse mode
  EXPECT_EQ(edit.mouse_actions, (binding_edits::MouseActions{0, 5310, 0, 5130, 0, 5121, 5122, 6000, 6001}));
  ASSERT_TRUE(edit.keys_changed);
  ASSERT_TRUE(accelerator_table::RebuildAccelerators(edit.slots));
  WideString shortcut;
  accelerator_table::ShortcutText(5020, shortcut);
  EXPECT_EQ(shortcut.View(), u"N");

  DestroyWindow(host);
  DestroyAcceleratorTable(static_cast<HACCEL>(Frame().accelerators));
  Frame().accelerators = nullptr;
  language_module::Unload();
}

}  // namespace
