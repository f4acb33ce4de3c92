#include "tools/toolbars/toolbars_win32.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <array>

#include "commands/command_ids.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "settings/settings.h"
#include "tools/toolbars/button_states.h"
#include "tools/toolbars/find_bar_win32.h"
#include "tools/toolbars/toolbar_common_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace toolbars {
namespace {

constexpr WORD kToolImages = 130;
constexpr WORD kToolImagesDisabled = 131;
constexpr COLORREF kMask = RGB(255, 0, 255);
constexpr COLORREF kBarColour = RGB(240, 240, 240);
constexpr COLORREF kHotFill = RGB(232, 255, 255);
constexpr COLORREF kHotOutline = RGB(72, 144, 144);
constexpr COLORREF kPressedOutline = RGB(144, 72, 144);
constexpr int kMenuButtons = 7;
constexpr int kMenuTextPadding = 12;
constexpr int kToolBarExtraWidth = 6;

struct ToolButton {
  std::uint16_t command;  // 0: separator
  int image;
  BYTE style;
};
constexpr std::array<ToolButton, 11> kToolButtons = {{
    {command_ids::kSave, 0, BTNS_BUTTON},
    {command_ids::kSaveAll, 1, BTNS_BUTTON},
    {0, 0, BTNS_SEP},
    {command_ids::kUndo, 2, BTNS_BUTTON},
    {command_ids::kRedo, 3, BTNS_BUTTON},
    {0, 0, BTNS_SEP},
    {command_ids::kLeftPane, 4, BTNS_CHECK},
    {command_ids::kRightPane, 5, BTNS_CHECK},
    {0, 0, BTNS_SEP},
    {command_ids::kWrap, 6, BTNS_CHECK},
    {command_ids::kBoldTags, 7, BTNS_CHECK},
}};

struct Bars {
  HWND main = nullptr;
  HWND tooltip = nullptr;
  HWND rebar = nullptr;
  HWND menu_bar = nullptr;
  HWND tool_bar = nullptr;
  HFONT font = nullptr;
  int button_height = 22;
  std::array<WideString, kMenuButtons> menu_texts;
};
Bars bars;

HINSTANCE Instance() { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(bars.main, GWLP_HINSTANCE)); }

// Each menu-bar button's text (string id, then id + 10000) and its width
// from that text in the current font.
void SetMenuTexts() {
  for (int i = 0; i < kMenuButtons; ++i) {
    const unsigned id = command_ids::kFirstMenuButton + i;
    WideString& text = bars.menu_texts[static_cast<std::size_t>(i)];
    language_module::String(id, text);
    WideString second;
    language_module::String(id + 10000, second);
    text.Append(second.View());
    TBBUTTONINFOW info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_SIZE;
    const wchar_t* shown = text.Empty() ? L"" : reinterpret_cast<const wchar_t*>(text.Text());
    info.cx = static_cast<WORD>(toolbar_common::TextWidth(bars.menu_bar, bars.font, shown) + kMenuTextPadding);
    SendMessageW(bars.menu_bar, TB_SETBUTTONINFOW, id, reinterpret_cast<LPARAM>(&info));
  }
}

bool MakeMenuBar() {
  bars.menu_bar = toolbar_common::MakeToolbar(bars.rebar, kMenuBarId, bars.button_height);
  if (!bars.menu_bar) return false;
  for (int i = 0; i < kMenuButtons; ++i) {
    TBBUTTON button = {};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = command_ids::kFirstMenuButton + i;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_DROPDOWN;
    button.dwData = command_ids::kFirstMenuButton + i;
    SendMessageW(bars.menu_bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  SetMenuTexts();
  toolbar_common::IgnoreRightButton(bars.menu_bar);
  return true;
}

bool MakeToolBar() {
  bars.tool_bar = toolbar_common::MakeToolbar(bars.rebar, kToolBarId, bars.button_height);
  if (!bars.tool_bar) return false;
  HIMAGELIST images = ImageList_LoadImageW(Instance(), MAKEINTRESOURCEW(kToolImages), 16, 0, kMask, IMAGE_BITMAP,
                                           LR_CREATEDIBSECTION);
  HIMAGELIST disabled = ImageList_LoadImageW(Instance(), MAKEINTRESOURCEW(kToolImagesDisabled), 16, 0, kMask,
                                             IMAGE_BITMAP, LR_CREATEDIBSECTION);
  SendMessageW(bars.tool_bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  SendMessageW(bars.tool_bar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
  for (const ToolButton& entry : kToolButtons) {
    TBBUTTON button = {};
    button.iBitmap = entry.image;
    button.idCommand = entry.command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = entry.style;
    SendMessageW(bars.tool_bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  SendMessageW(bars.tool_bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(bars.button_height, bars.button_height));
  toolbar_common::SetTooltips(bars.tooltip, bars.tool_bar);
  toolbar_common::IgnoreRightButton(bars.tool_bar);
  return true;
}

void SetStates(HWND bar, const button_states::Flags& flags) {
  const auto count = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    SendMessageW(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    const int state = button_states::StateOf(static_cast<std::uint16_t>(button.idCommand), flags);
    if (state >= 0 && SendMessageW(bar, TB_GETSTATE, button.idCommand, 0) != state)
      SendMessageW(bar, TB_SETSTATE, button.idCommand, MAKELPARAM(state, 0));
  }
}

LRESULT CustomDraw(NMTBCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      HDC dc = draw.nmcd.hdc;
      const RECT& rect = draw.nmcd.rc;
      const bool pressed = draw.nmcd.uItemState & (CDIS_SELECTED | CDIS_CHECKED);
      const bool hot = draw.nmcd.uItemState & CDIS_HOT;
      if (pressed || hot) {
        HBRUSH fill = CreateSolidBrush(pressed ? RGB(255, 255, 255) : kHotFill);
        HPEN outline = CreatePen(PS_SOLID, 1, pressed ? kPressedOutline : kHotOutline);
        HGDIOBJ old_brush = SelectObject(dc, fill);
        HGDIOBJ old_pen = SelectObject(dc, outline);
        RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, 5, 5);
        SelectObject(dc, old_brush);
        SelectObject(dc, old_pen);
        DeleteObject(fill);
        DeleteObject(outline);
      }
      const std::uintptr_t data = draw.nmcd.lItemlParam;
      if (data >= command_ids::kFirstMenuButton && data < command_ids::kFirstMenuButton + kMenuButtons) {
        const WideString& text = bars.menu_texts[data - command_ids::kFirstMenuButton];
        RECT box = rect;
        HGDIOBJ old_font = SelectObject(dc, bars.font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
        DrawTextW(dc, text.Empty() ? L"" : reinterpret_cast<const wchar_t*>(text.Text()), -1, &box,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX);
        SelectObject(dc, old_font);
        return CDRF_SKIPDEFAULT;
      }
      return (pressed || hot) ? TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET : CDRF_DODEFAULT;
    }
  }
  return CDRF_DODEFAULT;
}

}  // namespace

bool Create(HWND main_window, HFONT font) {
  bars.main = main_window;
  bars.font = font;
  bars.tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main_window, nullptr,
                                 Instance(), nullptr);
  if (bars.tooltip) {
    SendMessageW(bars.tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, 300);
    SendMessageW(bars.tooltip, TTM_SETTIPBKCOLOR, RGB(255, 255, 255), 0);
  }
  bars.rebar = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                   RBS_BANDBORDERS | RBS_FIXEDORDER | RBS_DBLCLKTOGGLE | CCS_NODIVIDER,
                               0, 0, 0, 0, main_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRebarId)),
                               Instance(), nullptr);
  if (!bars.rebar) return false;
  SendMessageW(bars.rebar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(bars.rebar, RB_SETBKCOLOR, 0, kBarColour);
  SetWindowTheme(bars.rebar, L"", L"");
  const int font_height = toolbar_common::FontHeight(main_window, font);
  bars.button_height = toolbar_common::ButtonHeight(font_height);
  if (!MakeMenuBar() || !MakeToolBar()) return false;
  if (!find_bar::Create(bars.rebar, bars.tooltip, font, font_height, bars.button_height)) return false;
  toolbar_common::InsertBand(bars.rebar, bars.menu_bar, kMenuBarId, -1, bars.button_height, 0);
  toolbar_common::InsertBand(bars.rebar, bars.tool_bar, kToolBarId, -1, bars.button_height, kToolBarExtraWidth);
  RefreshStates();
  if (ProcessSettings().find_bar_shown) find_bar::Show(true);
  return true;
}

HWND Rebar() { return bars.rebar; }

void ApplyFontAndLanguage(HFONT font) {
  if (!bars.rebar) return;
  bars.font = font;
  SendMessageW(bars.rebar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int font_height = toolbar_common::FontHeight(bars.main, font);
  bars.button_height = toolbar_common::ButtonHeight(font_height);
  SendMessageW(bars.menu_bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(bars.button_height, bars.button_height));
  SendMessageW(bars.tool_bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(bars.button_height, bars.button_height));
  SetMenuTexts();
  find_bar::ApplyFontAndLanguage(font, font_height, bars.button_height);
  RefreshTooltips();
  toolbar_common::FitBand(bars.rebar, bars.menu_bar, kMenuBarId, bars.button_height, 0);
  toolbar_common::FitBand(bars.rebar, bars.tool_bar, kToolBarId, bars.button_height, kToolBarExtraWidth);
  FillRows();
}

void FillRows() {
  if (!bars.rebar) return;
  const auto rows = SendMessageW(bars.rebar, RB_GETROWCOUNT, 0, 0);
  const auto count = SendMessageW(bars.rebar, RB_GETBANDCOUNT, 0, 0);
  SendMessageW(bars.rebar, RB_MAXIMIZEBAND, rows == 1 ? count - 1 : 1, 0);
}

void RefreshTooltips() {
  if (!bars.rebar) return;
  toolbar_common::SetTooltips(bars.tooltip, bars.tool_bar);
  toolbar_common::SetTooltips(bars.tooltip, find_bar::Window());
}

void RefreshStates() {
  if (!bars.tool_bar) return;
  button_states::Flags flags;
  const Settings& settings = ProcessSettings();
  flags.left_pane = settings.left_pane_shown;
  flags.right_pane = settings.right_pane_shown;
  flags.regex = settings.regex_search;
  if (DocumentSet* set = Frame().documents.get()) {
    if (Document* active = set->Active()) {
      flags.can_undo = active->CanUndo();
      flags.can_redo = active->CanRedo();
    }
    flags.wrap = set->Settings().wrap;
    flags.bold_tags = set->Settings().bold_tags;
    flags.match_case = set->Metrics().CaseSensitiveSearch();
  }
  SetStates(bars.tool_bar, flags);
  SetStates(find_bar::Window(), flags);
}

bool Notify(const NMHDR& header, LRESULT& result) {
  const bool from_bar = header.hwndFrom == bars.menu_bar || header.hwndFrom == bars.tool_bar ||
                        header.hwndFrom == find_bar::Window();
  if (!from_bar) return false;
  if (header.code == NM_CUSTOMDRAW) {
    result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
    return true;
  }
  if (header.code == TBN_DROPDOWN && header.hwndFrom == bars.menu_bar) {
    const auto& drop = reinterpret_cast<const NMTOOLBARW&>(header);
    PostMessageW(bars.main, WM_APP, drop.iItem, 0);
    result = TBDDRET_DEFAULT;
    return true;
  }
  return false;
}

bool FindBarShown() { return find_bar::Shown(); }

void ShowFindBar(bool shown) {
  find_bar::Show(shown);
  ProcessSettings().find_bar_shown = shown;
}

void FocusFindBox(std::u16string_view selection) {
  if (!find_bar::Shown()) ShowFindBar(true);
  find_bar::Focus(selection);
}

FindFields& Fields() { return find_bar::Fields(); }
void KeepHistories() { find_bar::KeepHistories(); }

}  // namespace toolbars
