#pragma once
// The box that marks a selected menu item, list item or pressed button
// everywhere in the program: a light cyan fill in a teal outline.
// Windows-only header.
#include <windows.h>

namespace highlight_box {

inline constexpr COLORREF kFill = RGB(232, 255, 255);
inline constexpr COLORREF kOutline = RGB(72, 144, 144);

void Draw(HDC dc, const RECT& area);

}  // namespace highlight_box
