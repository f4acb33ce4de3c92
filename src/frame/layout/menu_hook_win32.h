#pragma once
// The thread's message-filter hook that lets the keyboard and the pointer
// move through the menu bar while a popup's modal loop runs (Windows only).
#include <windows.h>
#include <commctrl.h>

#include "frame/layout/menu_navigation.h"

namespace menu_hook {

bool Install(HWND main_window);
void Remove();
menu_navigation::State& State();

// The main window's share: the menu key entered the bar, the menu loop
// ended, and the open popup highlighted an item or was opened by a click
// on its button (either way Left and Right then stay inside it).
void EnterKeyboardMode();
void MenuLoopEnded();
void ItemHighlighted();
// The menu bar's hot button changed; true when the change is refused.
bool HotItemChanged(const NMTBHOTITEM& change);

}  // namespace menu_hook
