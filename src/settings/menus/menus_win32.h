#pragma once
// The program's popup menus (Windows only): built from the tables with
// owner-drawn items that show each command's text and current shortcut,
// their lists refreshed and their states set just before they open.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/wide_string.h"
#include "settings/menus/menu_tables.h"
#include "settings/settings.h"

namespace menus {

using Strings = std::function<std::u16string_view(unsigned)>;
// A command's key binding as modifier prefix ("Ctrl+") and key name; false
// when it has none.
using ShortcutLookup = std::function<bool(std::uint16_t command, WideString& prefix, WideString& key)>;

// Creates and fills every popup; false when a menu cannot be made.
bool Create(Strings strings, ShortcutLookup shortcuts);
void Destroy();
// After the key bindings or the language module changed.
bool Rebuild();
HMENU Handle(menu_tables::Popup popup);
// Which popup a handle is; kPopupCount for none of ours.
menu_tables::Popup PopupOf(HMENU menu);

// WM_MEASUREITEM and WM_DRAWITEM of menu items; false for other items
// (combo boxes and lists send the same messages).
bool Measure(HWND window, MEASUREITEMSTRUCT& item);
bool Draw(const DRAWITEMSTRUCT& item);
// WM_INITMENUPOPUP: the list items made anew, then the states.
void Prepare(HMENU menu, const Settings& settings, const menu_tables::Situation& situation);
// The system menu font changed.
void RemakeFont();

}  // namespace menus
