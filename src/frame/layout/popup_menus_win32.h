#pragma once
// Where the popup menus open (Windows only): a menu-bar button's menu
// under the button, the editor's and the tab strip's at the pointer, and
// what the program's state says about their items.
#include <windows.h>

#include <cstdint>

#include "settings/menus/menu_tables.h"

namespace popup_menus {

// Builds the menus with the language module's texts; false on failure.
bool Create();
// A menu-bar button's popup (5000..5006; anything else is ignored).
void OpenMenuBarPopup(std::uint16_t button);
// A context menu at a screen point, owned by the main window.
void ShowContextMenu(menu_tables::Popup popup, POINT screen);
// A context menu owned by a pane's base, which draws its items and sets
// their states; the chosen command, 0 when the menu was dismissed.
std::uint16_t ChooseFromContextMenu(menu_tables::Popup popup, POINT screen, HWND owner);
// WM_INITMENUPOPUP.
void Prepare(HMENU menu);
// The popup opened last (kPopupCount before any).
menu_tables::Popup LastPopup();
// The owner-drawn items' WM_MEASUREITEM and WM_DRAWITEM and the popups'
// WM_INITMENUPOPUP, at whichever window owns a popup; true when handled.
bool HandleMenuMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

}  // namespace popup_menus
