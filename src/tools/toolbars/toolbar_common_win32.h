#pragma once
// What the three toolbars share (Windows only): their styles, sizes from
// the user-interface font, and the tooltip window their buttons use.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

namespace toolbar_common {

inline constexpr DWORD kStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;

// The larger of 22 and the font's height + 10.
int ButtonHeight(int font_height);
int LabelHeight(int font_height);
int FontHeight(HWND window, HFONT font);
// Width of a text in the font with prefix characters hidden.
int TextWidth(HWND window, HFONT font, const wchar_t* text);

HWND MakeToolbar(HWND parent, int id, int button_height);
// Right button presses do nothing on the bars.
void IgnoreRightButton(HWND toolbar);
// One tooltip per button of the toolbar (separators aside), tied to the
// button's rectangle: the command's name and its shortcut.  Made on the
// first call; later calls take the texts and rectangles afresh.
void SetTooltips(HWND tooltip, HWND toolbar);
// A band for a toolbar at index (-1: the end).
bool InsertBand(HWND rebar, HWND toolbar, int id, int index, int button_height, int extra_width);
// The band's minimum sizes after the toolbar's buttons changed.
void FitBand(HWND rebar, HWND toolbar, int id, int button_height, int extra_width);

}  // namespace toolbar_common
