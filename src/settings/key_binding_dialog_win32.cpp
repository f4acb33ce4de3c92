#include "settings/key_binding_dialog_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "settings/accelerator_table.h"
#include "base/language/error_box.h"
#include "base/language/language_dialog_win32.h"
#include "base/language/language_module.h"
#include "base/language/string_ids.h"
#include "settings/binding_names.h"
#include "settings/key_names.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace key_binding_dialog {
namespace {

using binding_edits::BindingEdit;
using binding_edits::Outcome;

constexpr unsigned kTemplate = 1500;
constexpr int kKeyList = 1520;
constexpr int kMouseList = 1521;
constexpr int kAssign = 1530;
constexpr int kRemove = 1531;
constexpr int kRestore = 1532;
constexpr int kClose = 1533;
constexpr int kCtrl = 1540;
constexpr int kShift = 1541;
constexpr int kBindings = 1550;
constexpr int kKeyMode = 1560;
constexpr int kMouseMode = 1561;

constexpr unsigned kCommandHeader = 20500;
constexpr unsigned kKeyHeader = 1560;
constexpr unsigned kMouseHeader = 1561;
constexpr unsigned kCaption = 20502;
constexpr unsigned kInUse = 20504;
constexpr unsigned kNoChoice = 20505;
constexpr unsigned kNoRow = 20506;
constexpr unsigned kRestorePrompt = 20508;
constexpr unsigned kWidestMouseNames[] = {20609, 20614};
constexpr int kColumnPadding = 12;
constexpr COLORREF kOtherModeColour = 0x808080;

enum Column { kNameColumn, kKeyColumn, kMouseColumn };

struct DialogState {
  BindingEdit* edit = nullptr;
  const Settings* settings = nullptr;
  std::vector<WideString> names;  // one per slot
  bool mouse_mode = false;
};

const wchar_t* Wide(const WideString& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

WideString Text(unsigned id) {
  WideString text;
  language_module::String(id, text);
  return text;
}

DialogState& StateOf(HWND dialog) { return *reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void ShowMessage(HWND dialog, unsigned text_id) {
  MessageBoxW(dialog, Wide(Text(text_id)), Wide(Text(kCaption)), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

int TextWidth(HWND list, const wchar_t* text) {
  return static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)));
}

void AddColumn(HWND list, int column, unsigned header_id, int width) {
  const WideString header = Text(header_id);
  LVCOLUMNW header_item = {};
  header_item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  header_item.pszText = const_cast<wchar_t*>(Wide(header));
  header_item.cx = std::max(width, 0);
  header_item.iSubItem = column;
  SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header_item));
}

void AddColumns(HWND list) {
  const int key_width = TextWidth(list, L"Shift+") + TextWidth(list, L"BackSpace") + kColumnPadding;
  int mouse_width = 0;
  for (unsigned id : kWidestMouseNames) mouse_width = std::max(mouse_width, TextWidth(list, Wide(Text(id))));
  mouse_width += kColumnPadding;
  RECT client = {};
  GetClientRect(list, &client);
  AddColumn(list, kNameColumn, kCommandHeader,
            client.right - key_width - mouse_width - GetSystemMetrics(SM_CXVSCROLL));
  AddColumn(list, kKeyColumn, kKeyHeader, key_width);
  AddColumn(list, kMouseColumn, kMouseHeader, mouse_width);
}

void SetCell(HWND list, int row, int column, const WideString& text) {
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(Wide(text));
  SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void RefreshRow(HWND dialog, int row) {
  const DialogState& state = StateOf(dialog);
  HWND list = Item(dialog, kBindings);
  WideString key;
  key_names::ShortcutText(state.edit->slots[row], key);
  SetCell(list, row, kKeyColumn, key);
  const int action = binding_edits::MouseActionOf(state.edit->mouse_actions, state.edit->slots[row].command);
  WideString mouse;
  if (action >= 0) mouse = Text(binding_names::kFirstMouseActionName + action);
  SetCell(list, row, kMouseColumn, mouse);
}

void RefreshRows(HWND dialog) {
  for (int row = 0; row < key_bindings::kSlotCount; ++row) RefreshRow(dialog, row);
}

void FillRows(HWND dialog) {
  const DialogState& state = StateOf(dialog);
  HWND list = Item(dialog, kBindings);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  AddColumns(list);
  for (int row = 0; row < key_bindings::kSlotCount; ++row) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(Wide(state.names[row]));
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  RefreshRows(dialog);
}

void FillChoices(HWND dialog) {
  WideString name;
  for (std::uint8_t key : key_names::DialogKeys()) {
    name.Assign(key_names::KeyName(key));
    SendDlgItemMessageW(dialog, kKeyList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name)));
  }
  for (int action = 0; action < Settings::kMouseActions; ++action)
    SendDlgItemMessageW(dialog, kMouseList, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(Wide(Text(binding_names::kFirstMouseActionName + action))));
}

int SelectedRow(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageW(dialog, kBindings, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                              LVNI_SELECTED));
}

// The list index chosen, or -1 (LB_ERR included) when nothing is or the
// index is past the choices.
int Choice(HWND dialog, int list, int count) {
  const LRESULT index = SendDlgItemMessageW(dialog, list, LB_GETCURSEL, 0, 0);
  return index >= 0 && index < count ? static_cast<int>(index) : -1;
}

int ChosenKey(HWND dialog) {
  const int index = Choice(dialog, kKeyList, key_names::kDialogKeyCount);
  return index < 0 ? -1 : key_names::DialogKeys()[index];
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void UpdateShift(HWND dialog) {
  const int key = ChosenKey(dialog);
  const bool caps_lock = key >= 0 && !binding_edits::ShiftAllowed(static_cast<std::uint16_t>(key));
  if (caps_lock) CheckDlgButton(dialog, kShift, BST_UNCHECKED);
  EnableWindow(Item(dialog, kShift), !StateOf(dialog).mouse_mode && !caps_lock);
}

void ShowMode(HWND dialog) {
  const bool mouse = StateOf(dialog).mouse_mode;
  CheckRadioButton(dialog, kKeyMode, kMouseMode, mouse ? kMouseMode : kKeyMode);
  ShowWindow(Item(dialog, kKeyList), mouse ? SW_HIDE : SW_SHOW);
  ShowWindow(Item(dialog, kMouseList), mouse ? SW_SHOW : SW_HIDE);
  EnableWindow(Item(dialog, kCtrl), !mouse);
  UpdateShift(dialog);
  InvalidateRect(Item(dialog, kBindings), nullptr, TRUE);
}

void Assign(HWND dialog) {
  const DialogState& state = StateOf(dialog);
  const int row = SelectedRow(dialog);
  if (row < 0 || row >= key_bindings::kSlotCount) return ShowMessage(dialog, kNoRow);
  Outcome outcome;
  if (state.mouse_mode) {
    const int action = Choice(dialog, kMouseList, Settings::kMouseActions);
    if (action < 0) return ShowMessage(dialog, kNoChoice);
    outcome = binding_edits::AssignMouseAction(*state.edit, row, action);
  } else {
    const int key = ChosenKey(dialog);
    if (key < 0) return ShowMessage(dialog, kNoChoice);
    outcome = binding_edits::AssignKey(*state.edit, row, static_cast<std::uint16_t>(key), Checked(dialog, kCtrl),
                                       Checked(dialog, kShift));
  }
  if (outcome == Outcome::kInUse) return ShowMessage(dialog, kInUse);
  RefreshRow(dialog, row);
}

void Remove(HWND dialog) {
  const DialogState& state = StateOf(dialog);
  const int row = SelectedRow(dialog);
  if (row < 0 || row >= key_bindings::kSlotCount) return ShowMessage(dialog, kNoRow);
  if (state.mouse_mode)
    binding_edits::RemoveMouseAction(*state.edit, row);
  else
    binding_edits::RemoveKey(*state.edit, row);
  RefreshRow(dialog, row);
}

void Restore(HWND dialog) {
  const DialogState& state = StateOf(dialog);
  if (MessageBoxW(dialog, Wide(Text(kRestorePrompt)), Wide(Text(kRestore)),
                  MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) != IDYES)
    return;
  if (state.mouse_mode)
    binding_edits::RestoreDefaultMouseActions(*state.edit);
  else
    binding_edits::RestoreDefaultKeys(*state.edit);
  RefreshRows(dialog);
}

// The column of the mode not chosen is drawn grey.
LRESULT CustomDraw(HWND dialog, NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const int other = StateOf(dialog).mouse_mode ? kKeyColumn : kMouseColumn;
      draw.clrText = draw.iSubItem == other ? kOtherModeColour : GetSysColor(COLOR_WINDOWTEXT);
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

bool Command(HWND dialog, int id, int code) {
  DialogState& state = StateOf(dialog);
  switch (id) {
    case kAssign:
      Assign(dialog);
      return true;
    case kRemove:
      Remove(dialog);
      return true;
    case kRestore:
      Restore(dialog);
      return true;
    case kClose:
    case IDCANCEL:
      EndDialog(dialog, state.mouse_mode ? 1 : 0);
      return true;
    case kKeyMode:
    case kMouseMode:
      state.mouse_mode = Checked(dialog, kMouseMode);
      ShowMode(dialog);
      return true;
    case kKeyList:
      if (code == LBN_SELCHANGE) UpdateShift(dialog);
      return true;
    default:
      return false;
  }
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    FillRows(dialog);
    FillChoices(dialog);
    ShowMode(dialog);
    return TRUE;
  }
  // Controls may report before the dialog is initialised.
  if (GetWindowLongPtrW(dialog, DWLP_USER) == 0) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return Command(dialog, LOWORD(wparam), HIWORD(wparam));
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->idFrom != kBindings || header->code != NM_CUSTOMDRAW) return FALSE;
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, CustomDraw(dialog, *reinterpret_cast<NMLVCUSTOMDRAW*>(lparam)));
      return TRUE;
    }
  }
  return FALSE;
}

bool BuildNames(DialogState& state) {
  state.names.resize(key_bindings::kSlotCount);
  const LanguageText language = [](std::uint32_t id) { return language_module::StringView(id); };
  for (int slot = 0; slot < key_bindings::kSlotCount; ++slot)
    if (!binding_names::DisplayName(slot, *state.settings, language, state.names[slot])) return false;
  return true;
}

}  // namespace

binding_edits::BindingEdit PrepareEdit(const Settings& settings) {
  BindingEdit edit;
  edit.slots = accelerator_table::SlotsFromTable();
  edit.mouse_actions = settings.mouse_actions;
  return edit;
}

int EditBindings(HWND owner, BindingEdit& edit, const Settings& settings, bool mouse_mode) {
  DialogState state;
  state.edit = &edit;
  state.settings = &settings;
  state.mouse_mode = mouse_mode;
  if (!BuildNames(state)) {
    error_box::Show(string_ids::kOutOfMemory);
    return -1;
  }
  const INT_PTR result = language_dialog::RunModal(kTemplate, owner, Procedure, reinterpret_cast<LPARAM>(&state),
                                                   settings.ui_font_height);
  return result < 0 ? -1 : static_cast<int>(result);
}

}  // namespace key_binding_dialog
