#pragma once
// The find bar's boxes list their histories in owner-drawn items, which the
// main window draws (Windows only).
#include <windows.h>

namespace find_box_items {

// WM_DRAWITEM of a combo-box item: a selected one outlined on the hot
// fill, the others on the window colour, the text in the user-interface
// font.  Nothing for the empty box's item -1.
void Draw(const DRAWITEMSTRUCT& item);

}  // namespace find_box_items
