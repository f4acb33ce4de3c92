#include "tools/toolbars/find_bar_win32.h"

#include <commctrl.h>
#include <imm.h>

#include <array>
#include <vector>

#include "commands/command_ids.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "settings/settings.h"
#include "tools/toolbars/find_history.h"
#include "tools/toolbars/toolbar_common_win32.h"
#include "tools/toolbars/toolbars_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace find_bar {
namespace {

constexpr WORD kImages = 140;
constexpr COLORREF kMask = RGB(255, 0, 255);
constexpr COLORREF kBarColour = RGB(240, 240, 240);
constexpr int kBoxWidth = 200;
constexpr int kListHeight = 400;
constexpr int kFindPlaceholder = 9920;
constexpr int kReplacePlaceholder = 9921;
constexpr UINT_PTR kSubclassId = 3;

struct FindButton {
  int id;
  int image;
  BYTE style;
};
const FindButton kButtons[] = {
    {kFindPlaceholder, 0, BTNS_SEP}, {command_ids::kFindNext, 0, BTNS_BUTTON}, {command_ids::kFindPrevious, 1, BTNS_BUTTON},
    {command_ids::kHighlightAll, 5, BTNS_BUTTON},          {kReplacePlaceholder, 0, BTNS_SEP}, {command_ids::kReplace, 2, BTNS_BUTTON},
    {command_ids::kReplaceAll, 3, BTNS_BUTTON},          {command_ids::kMatchCase, 4, BTNS_CHECK},
    {command_ids::kRegexSearch, 6, BTNS_CHECK},
};

struct Bar {
  HWND rebar = nullptr;
  HWND tooltip = nullptr;
  HWND window = nullptr;
  HWND find_box = nullptr;
  HWND replace_box = nullptr;
  std::array<WideString, 2> box_tips;  // the boxes' edit fields' tooltips
  HBRUSH background = nullptr;
  int button_height = 22;
  bool shown = false;
};
Bar bar;

HWND MainWindow() { return static_cast<HWND>(Frame().main_window); }

// By the box's id: the boxes are filled before their handles are kept.
std::vector<WideString>& HistoryOf(HWND box) {
  Settings& settings = ProcessSettings();
  return GetDlgCtrlID(box) == kFindBoxId ? settings.find_history : settings.replacement_history;
}

// The box's list shows its history, newest first.
void FillBox(HWND box, int selected) {
  SendMessageW(box, CB_RESETCONTENT, 0, 0);
  for (const WideString& text : HistoryOf(box))
    if (!text.Empty()) SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.Text()));
  if (selected >= 0) SendMessageW(box, CB_SETCURSEL, selected, 0);
}

bool BoxText(HWND box, WideString& text) {
  const int length = GetWindowTextLengthW(box);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, 0);
  GetWindowTextW(box, buffer.data(), length + 1);
  return text.Assign(reinterpret_cast<const char16_t*>(buffer.data()));
}

class BoxFields final : public FindFields {
 public:
  bool Text(Field field, WideString& text) override {
    return BoxText(field == kFind ? bar.find_box : bar.replace_box, text);
  }
  void Remember(Field field, std::u16string_view text) override {
    HWND box = field == kFind ? bar.find_box : bar.replace_box;
    if (!find_history::Add(HistoryOf(box), text)) return;
    WideString kept;
    kept.Assign(text);
    FillBox(box, 0);
    SetWindowTextW(box, kept.Empty() ? L"" : reinterpret_cast<const wchar_t*>(kept.Text()));
    (field == kFind ? ProcessSettings().find_selected : ProcessSettings().replacement_selected) = 0;
  }
};
BoxFields fields;

void Run(std::uint16_t command) { PostMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0); }

// The boxes' edit fields: Enter searches, Tab goes to the other box, and
// while one has the focus the shortcuts are the field's.
LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR box_id) {
  HWND box = GetParent(edit);
  switch (message) {
    case WM_KEYDOWN: {
      const bool repeated = lparam & (1 << 30);
      const bool dropped = SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) != 0;
      HIMC context = ImmGetContext(edit);
      const bool composing = context && ImmGetCompositionStringW(context, GCS_COMPSTR, nullptr, 0) > 0;
      if (context) ImmReleaseContext(edit, context);
      if (repeated || dropped || composing) break;
      if (wparam == VK_RETURN && box_id == kFindBoxId) {
        Run(GetKeyState(VK_SHIFT) < 0 ? command_ids::kFindPrevious : command_ids::kFindNext);
        return 0;
      }
      if (wparam == VK_TAB) {
        SetFocus(box_id == kFindBoxId ? bar.replace_box : bar.find_box);
        return 0;
      }
      break;
    }
    case WM_CHAR:
      if (wparam == L'\r' || wparam == L'\t') return 0;
      break;
    case WM_SETFOCUS:
      Frame().accelerators_suspended = true;
      break;
    case WM_KILLFOCUS: {
      if (HIMC context = ImmGetContext(edit)) {
        ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
        ImmReleaseContext(edit, context);
      }
      Frame().accelerators_suspended = false;
      break;
    }
  }
  return DefSubclassProc(edit, message, wparam, lparam);
}

// A drop-down entry chosen searches at once.
void EntryChosen(HWND box) {
  const LRESULT selected = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (selected < 0 || box != bar.find_box) return;
  const auto length = static_cast<int>(SendMessageW(box, CB_GETLBTEXTLEN, selected, 0));
  std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, 0);
  SendMessageW(box, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
  SetWindowTextW(box, text.data());
  Run(command_ids::kFindNext);
}

LRESULT CALLBACK BarProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_DRAWITEM:
      // The boxes' items are the main window's to draw.
      if (reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)->CtlType == ODT_COMBOBOX)
        return SendMessageW(GetAncestor(window, GA_ROOT), message, wparam, lparam);
      break;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(bar.background);
    case WM_COMMAND:
      if (HIWORD(wparam) == CBN_SELENDOK) {
        EntryChosen(reinterpret_cast<HWND>(lparam));
        return 0;
      }
      break;
    case WM_RBUTTONDOWN:
      return 0;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

RECT ButtonRect(int id) {
  RECT rect = {};
  const LRESULT index = SendMessageW(bar.window, TB_COMMANDTOINDEX, id, 0);
  SendMessageW(bar.window, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

// A label and its box over a placeholder, which then widens to hold them.
void PlaceField(int placeholder, HWND label, HWND box, int label_offset, HFONT font, int font_height) {
  wchar_t text[128] = {};
  GetWindowTextW(label, text, 128);
  const int label_width = toolbar_common::TextWidth(label, font, text);
  const RECT slot = ButtonRect(placeholder);
  const int label_height = toolbar_common::LabelHeight(font_height);
  const int label_x = slot.left + label_offset;
  MoveWindow(label, label_x, (bar.button_height - label_height) / 2 + 4, label_width, label_height, TRUE);
  RECT box_rect = {};
  GetWindowRect(box, &box_rect);
  const int box_height = box_rect.bottom - box_rect.top;
  const int box_x = label_x + label_width + 1;
  MoveWindow(box, box_x, (bar.button_height - box_height) / 2 + 1, kBoxWidth, kListHeight, TRUE);
  TBBUTTONINFOW info = {};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_SIZE;
  info.cx = static_cast<WORD>(box_x + kBoxWidth + 4 - slot.left);
  SendMessageW(bar.window, TB_SETBUTTONINFOW, placeholder, reinterpret_cast<LPARAM>(&info));
}

void SetLabel(HWND label, int id, HFONT font) {
  WideString text;
  language_module::String(static_cast<unsigned>(id), text);
  SetWindowTextW(label, text.Empty() ? L"" : reinterpret_cast<const wchar_t*>(text.Text()));
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

HWND MakeLabel(int id, HFONT font) {
  HWND label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, bar.window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(bar.window, GWLP_HINSTANCE)), nullptr);
  SetLabel(label, id, font);
  return label;
}

void SetBoxFont(HWND box, HFONT font, int font_height) {
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), font_height + 2);
  SendMessageW(box, CB_SETITEMHEIGHT, 0, font_height + 2);
}

// The edit field's tooltip (string 701 or 711), added on the first call.
void SetBoxTip(HWND box, int id, bool add) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(box, &info) || !info.hwndItem) return;
  WideString& tip = bar.box_tips[id == kFindBoxId ? 0 : 1];
  language_module::String(static_cast<unsigned>(id), tip);
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
  tool.hwnd = box;
  tool.uId = reinterpret_cast<UINT_PTR>(info.hwndItem);
  tool.lpszText = const_cast<wchar_t*>(tip.Empty() ? L"" : reinterpret_cast<const wchar_t*>(tip.Text()));
  SendMessageW(bar.tooltip, add ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND MakeBox(int id, HFONT font, int font_height, int selected) {
  HWND box = CreateWindowExW(0, L"COMBOBOX", L"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL |
                                 CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                             0, 0, kBoxWidth, kListHeight, bar.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(bar.window, GWLP_HINSTANCE)), nullptr);
  if (!box) return nullptr;
  SetBoxFont(box, font, font_height);
  SendMessageW(box, CB_SETEXTENDEDUI, TRUE, 0);
  FillBox(box, selected);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(box, &info) && info.hwndItem)
    SetWindowSubclass(info.hwndItem, EditProcedure, kSubclassId, static_cast<DWORD_PTR>(id));
  SetBoxTip(box, id, true);
  return box;
}

// The labels and boxes over their placeholders, the find box's first.
void PlaceFields(HFONT font, int font_height) {
  PlaceField(kFindPlaceholder, GetDlgItem(bar.window, kFindLabelId), bar.find_box, 4, font, font_height);
  PlaceField(kReplacePlaceholder, GetDlgItem(bar.window, kReplaceLabelId), bar.replace_box, 8, font, font_height);
}

}  // namespace

bool Create(HWND rebar, HWND tooltip, HFONT font, int font_height, int button_height) {
  bar.rebar = rebar;
  bar.tooltip = tooltip;
  bar.button_height = button_height;
  bar.background = CreateSolidBrush(kBarColour);
  bar.window = toolbar_common::MakeToolbar(rebar, toolbars::kFindBarId, button_height);
  if (!bar.window) return false;
  ShowWindow(bar.window, SW_HIDE);
  HIMAGELIST images = ImageList_LoadImageW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(rebar, GWLP_HINSTANCE)),
                                           MAKEINTRESOURCEW(kImages), 16, 0, kMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  SendMessageW(bar.window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  for (const FindButton& entry : kButtons) {
    TBBUTTON button = {};
    button.iBitmap = entry.image;
    button.idCommand = entry.id;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = entry.style;
    SendMessageW(bar.window, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  SendMessageW(bar.window, TB_SETBUTTONSIZE, 0, MAKELPARAM(button_height, button_height));
  SetWindowSubclass(bar.window, BarProcedure, kSubclassId, 0);
  const Settings& settings = ProcessSettings();
  MakeLabel(kFindLabelId, font);
  bar.find_box = MakeBox(kFindBoxId, font, font_height, settings.find_selected);
  MakeLabel(kReplaceLabelId, font);
  bar.replace_box = MakeBox(kReplaceBoxId, font, font_height, settings.replacement_selected);
  if (!bar.find_box || !bar.replace_box) return false;
  PlaceFields(font, font_height);
  toolbar_common::SetTooltips(tooltip, bar.window);
  return true;
}

void ApplyFontAndLanguage(HFONT font, int font_height, int button_height) {
  if (!bar.window) return;
  bar.button_height = button_height;
  SendMessageW(bar.window, TB_SETBUTTONSIZE, 0, MAKELPARAM(button_height, button_height));
  SetLabel(GetDlgItem(bar.window, kFindLabelId), kFindLabelId, font);
  SetLabel(GetDlgItem(bar.window, kReplaceLabelId), kReplaceLabelId, font);
  SetBoxFont(bar.find_box, font, font_height);
  SetBoxFont(bar.replace_box, font, font_height);
  SetBoxTip(bar.find_box, kFindBoxId, false);
  SetBoxTip(bar.replace_box, kReplaceBoxId, false);
  PlaceFields(font, font_height);
  if (bar.shown) toolbar_common::FitBand(bar.rebar, bar.window, toolbars::kFindBarId, button_height, 0);
}

HWND Window() { return bar.window; }
bool Shown() { return bar.shown; }

void Show(bool shown) {
  if (shown == bar.shown || !bar.window) return;
  if (shown) {
    SIZE size = {};
    SendMessageW(bar.window, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    ShowWindow(bar.window, SW_SHOW);
    toolbar_common::InsertBand(bar.rebar, bar.window, toolbars::kFindBarId, -1, bar.button_height, 0);
    const auto count = static_cast<int>(SendMessageW(bar.rebar, RB_GETBANDCOUNT, 0, 0));
    SendMessageW(bar.rebar, RB_MAXIMIZEBAND, count - 1, 0);
  } else {
    if (IsChild(bar.window, GetFocus())) SetFocus(MainWindow());
    const LRESULT index = SendMessageW(bar.rebar, RB_IDTOINDEX, toolbars::kFindBarId, 0);
    if (index >= 0) SendMessageW(bar.rebar, RB_DELETEBAND, index, 0);
    ShowWindow(bar.window, SW_HIDE);
    SendMessageW(bar.rebar, RB_MAXIMIZEBAND, 1, 0);
  }
  bar.shown = shown;
}

void Focus(std::u16string_view text) {
  if (find_history::SelectionFillsFindBox(text)) {
    WideString terminated;
    terminated.Assign(text);
    SetWindowTextW(bar.find_box, reinterpret_cast<const wchar_t*>(terminated.Text()));
  }
  SetFocus(bar.find_box);
  SendMessageW(bar.find_box, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

FindFields& Fields() { return fields; }

void KeepHistories() {
  Settings& settings = ProcessSettings();
  if (bar.find_box) {
    const LRESULT find = SendMessageW(bar.find_box, CB_GETCURSEL, 0, 0);
    if (find >= 0) settings.find_selected = static_cast<std::int32_t>(find);
  }
  if (bar.replace_box) {
    const LRESULT replace = SendMessageW(bar.replace_box, CB_GETCURSEL, 0, 0);
    if (replace >= 0) settings.replacement_selected = static_cast<std::int32_t>(replace);
  }
}

}  // namespace find_bar
