#include "tools/toolbars/toolbar_common_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <deque>

#include "settings/accelerator_table.h"
#include "base/language/language_module.h"
#include "commands/command_ids.h"
#include "settings/accelerator_table.h"
#include "base/language/language_module.h"
#include "platform/wide_string.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace toolbar_common {
namespace {

constexpr UINT_PTR kSubclassId = 2;

// A button's tooltip text, alive as long as the tooltip may show it.
struct Tip {
  HWND bar;
  std::uint16_t command;
  WideString text;
};
std::deque<Tip> tips;

// Buttons whose tooltip says more than the command's name: the string
// that follows the name and key.
struct TooltipNote {
  std::uint16_t command;
  unsigned string;
};
constexpr TooltipNote kNotes[] = {{command_ids::kRegexSearch, 20302}};

void TooltipText(std::uint16_t command, WideString& text) {
  language_module::String(command, text);
  WideString shortcut;
  if (accelerator_table::ShortcutText(command, shortcut) && !shortcut.Empty()) {
    text.Append(u" (");
    text.Append(shortcut.View());
    text.Append(u')');
  }
  for (const TooltipNote& note : kNotes)
    if (note.command == command) text.Append(language_module::StringView(note.string));
}

// The band's child sizes from its toolbar's buttons.
REBARBANDINFOW BandSizes(HWND toolbar, int button_height, int extra_width) {
  SIZE size = {};
  SendMessageW(toolbar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
  REBARBANDINFOW band = {};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_CHILDSIZE | RBBIM_SIZE;
  band.cxMinChild = size.cx + extra_width;
  band.cyMinChild = button_height + 2;
  band.cx = size.cx + extra_width;
  return band;
}

LRESULT CALLBACK BarProcedure(HWND bar, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  if (message == WM_RBUTTONDOWN) return 0;
  return DefSubclassProc(bar, message, wparam, lparam);
}

}  // namespace

int ButtonHeight(int font_height) { return std::max(22, font_height + 10); }
int LabelHeight(int font_height) { return font_height + 7; }

int FontHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return metrics.tmHeight;
}

int TextWidth(HWND window, HFONT font, const wchar_t* text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  RECT rect = {0, 0, 0, 0};
  DrawTextW(dc, text, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_HIDEPREFIX);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return rect.right - rect.left;
}

HWND MakeToolbar(HWND parent, int id, int button_height) {
  HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, kStyle, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (!bar) return nullptr;
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
  SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(button_height, button_height));
  return bar;
}

void IgnoreRightButton(HWND toolbar) { SetWindowSubclass(toolbar, BarProcedure, kSubclassId, 0); }

void SetTooltips(HWND tooltip, HWND toolbar) {
  const auto count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    if (button.fsStyle & BTNS_SEP) continue;
    const auto command = static_cast<std::uint16_t>(button.idCommand);
    auto known = std::ranges::find_if(tips, [&](const Tip& tip) { return tip.bar == toolbar && tip.command == command; });
    const bool added = known == tips.end();
    Tip& tip = added ? tips.emplace_back(toolbar, command) : *known;
    TooltipText(command, tip.text);
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = toolbar;
    tool.uId = command;
    SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tool.rect));
    tool.lpszText = const_cast<wchar_t*>(tip.text.Empty() ? L"" : reinterpret_cast<const wchar_t*>(tip.text.Text()));
    if (added) {
      SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
      SendMessageW(tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
      SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

bool InsertBand(HWND rebar, HWND toolbar, int id, int index, int button_height, int extra_width) {
  REBARBANDINFOW band = BandSizes(toolbar, button_height, extra_width);
  band.fMask |= RBBIM_STYLE | RBBIM_CHILD | RBBIM_ID | RBBIM_HEADERSIZE;
  band.fStyle = RBBS_NOGRIPPER | RBBS_CHILDEDGE;
  band.hwndChild = toolbar;
  band.wID = id;
  band.cxHeader = 3;
  return SendMessageW(rebar, RB_INSERTBANDW, index, reinterpret_cast<LPARAM>(&band)) != 0;
}

void FitBand(HWND rebar, HWND toolbar, int id, int button_height, int extra_width) {
  const LRESULT index = SendMessageW(rebar, RB_IDTOINDEX, id, 0);
  if (index < 0) return;
  REBARBANDINFOW band = BandSizes(toolbar, button_height, extra_width);
  SendMessageW(rebar, RB_SETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
}

}  // namespace toolbar_common
