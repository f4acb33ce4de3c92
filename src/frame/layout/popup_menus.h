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
// WM_INITMENUPOPUP.
void Prepare(HMENU menu);
// The popup opened last (kPopupCount before any).
menu_tables::Popup LastPopup();

}  // namespace popup_menus
