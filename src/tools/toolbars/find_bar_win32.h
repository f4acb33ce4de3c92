#pragma once
// The find bar (Windows only): the find and replace boxes with their
// labels and histories, and the search buttons.
#include <windows.h>

#include <string_view>

#include "tools/toolbars/find_commands.h"

namespace find_bar {

inline constexpr int kFindLabelId = 700;
inline constexpr int kFindBoxId = 701;
inline constexpr int kReplaceLabelId = 710;
inline constexpr int kReplaceBoxId = 711;

bool Create(HWND rebar, HWND tooltip, HFONT font, int font_height, int button_height);
// A new font or language module: buttons, labels, boxes and their tooltips
// follow; the placeholders and the band (when shown) are sized anew.
void ApplyFontAndLanguage(HFONT font, int font_height, int button_height);
HWND Window();
bool Shown();
// Hiding takes the focus out of the boxes first, so that the shortcuts
// work again.
void Show(bool shown);
// Focuses the find box; a one-line text replaces its text first.
void Focus(std::u16string_view text);
FindFields& Fields();
void KeepHistories();

}  // namespace find_bar
