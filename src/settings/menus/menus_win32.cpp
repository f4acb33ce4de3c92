#include "settings/menus/menus_win32.h"

#include <shlwapi.h>

#include <algorithm>
#include <array>
#include <deque>

#include "platform/highlight_box_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace menus {
namespace {

using menu_tables::Popup;

constexpr int kTextLeft = 15;
constexpr int kTextRightMargin = 4;
constexpr std::uint32_t kStringLimit = 127;

// What an owner-drawn item shows; its address is the item's data.
struct Record {
  WideString text;
  bool ellipsis = false;
  bool path = false;  // a recent file: shortened in its middle when long
  WideString prefix;
  WideString key;
};

struct Menus {
  Strings strings;
  ShortcutLookup shortcuts;
  HMENU container = nullptr;
  std::array<HMENU, menu_tables::kPopupCount> popups = {};
  std::deque<Record> records;
  std::array<std::deque<Record>, menu_tables::kPopupCount> list_records;
  HFONT font = nullptr;
};
Menus menus;

const wchar_t* Wide(const WideString& text) {
  return text.Empty() ? L"" : reinterpret_cast<const wchar_t*>(text.Text());
}

void Limited(unsigned id, WideString& text) {
  std::u16string_view string = menus.strings(id);
  text.Append(string.substr(0, std::min<std::size_t>(string.size(), kStringLimit)));
}

bool InsertItem(HMENU menu, Record& record, std::uint16_t id, HMENU submenu, const WideString& kept, bool disabled) {
  MENUITEMINFOW item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING | MIIM_STATE | (submenu ? MIIM_SUBMENU : 0);
  item.fType = MFT_OWNERDRAW;
  item.fState = disabled ? MFS_GRAYED : MFS_ENABLED;
  item.wID = id;
  item.hSubMenu = submenu;
  item.dwItemData = reinterpret_cast<ULONG_PTR>(&record);
  item.dwTypeData = const_cast<wchar_t*>(Wide(kept));
  return InsertMenuItemW(menu, static_cast<UINT>(-1), TRUE, &item) != FALSE;
}

void InsertSeparator(HMENU menu) {
  MENUITEMINFOW item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_ID;
  item.fType = MFT_SEPARATOR;
  item.wID = menu_tables::kSeparator;
  InsertMenuItemW(menu, static_cast<UINT>(-1), TRUE, &item);
}

void InsertCommand(HMENU menu, const menu_tables::Item& entry) {
  Record& record = menus.records.emplace_back();
  Limited(entry.id, record.text);
  Limited(entry.id + 10000u, record.text);
  record.ellipsis = menu_tables::HasEllipsis(entry.id);
  if (menus.shortcuts) menus.shortcuts(entry.id, record.prefix, record.key);
  WideString kept;
  kept.Assign(record.text.View());
  if (record.ellipsis) kept.Append(u"...");
  const HMENU submenu = entry.submenu == menu_tables::kPopupCount ? nullptr : menus.popups[entry.submenu];
  InsertItem(menu, record, entry.id, submenu, kept, false);
}

// The items made from a popup's list, after or before its fixed items.
void InsertListItems(Popup popup, const Settings& settings) {
  HMENU menu = menus.popups[popup];
  const menu_tables::PopupTable& table = menu_tables::Table(popup);
  std::deque<Record>& records = menus.list_records[popup];
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    const UINT id = GetMenuItemID(menu, i);
    const bool fixed = std::ranges::any_of(table.items, [&](const menu_tables::Item& item) {
      return item.id == id || (item.submenu != menu_tables::kPopupCount && id == static_cast<UINT>(-1));
    });
    if (!fixed) DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
  }
  records.clear();
  const std::uint16_t placeholder = menu_tables::PlaceholderOf(table.list);
  UINT position = table.list_first ? 0 : static_cast<UINT>(GetMenuItemCount(menu));
  for (menu_tables::ListItem& entry : menu_tables::ListItemsOf(table.list, settings, menus.strings)) {
    Record& record = records.emplace_back();
    record.text = std::move(entry.drawn);
    record.path = table.list == menu_tables::ListItems::kRecentFiles && entry.id != placeholder;
    if (menus.shortcuts && entry.id != placeholder) menus.shortcuts(entry.id, record.prefix, record.key);
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING | MIIM_STATE;
    item.fType = MFT_OWNERDRAW;
    item.fState = entry.id == placeholder ? MFS_GRAYED : MFS_ENABLED;
    item.wID = entry.id;
    item.dwItemData = reinterpret_cast<ULONG_PTR>(&record);
    item.dwTypeData = const_cast<wchar_t*>(Wide(entry.kept));
    InsertMenuItemW(menu, position++, TRUE, &item);
  }
}

bool Build() {
  menus.container = CreateMenu();
  if (!menus.container) return false;
  for (HMENU& popup : menus.popups)
    if (!(popup = CreatePopupMenu())) return false;
  for (int p = 0; p < menu_tables::kPopupCount; ++p) {
    const auto popup = static_cast<Popup>(p);
    if (popup == menu_tables::kRecentFiles || popup == menu_tables::kConvert) continue;
    AppendMenuW(menus.container, MF_POPUP, reinterpret_cast<UINT_PTR>(menus.popups[popup]), L"");
  }
  for (int p = 0; p < menu_tables::kPopupCount; ++p) {
    const auto popup = static_cast<Popup>(p);
    for (const menu_tables::Item& entry : menu_tables::Table(popup).items) {
      if (entry.id == menu_tables::kSeparator) {
        InsertSeparator(menus.popups[popup]);
      } else {
        InsertCommand(menus.popups[popup], entry);
      }
    }
  }
  Settings empty_lists;
  for (int p = 0; p < menu_tables::kPopupCount; ++p) {
    const auto popup = static_cast<Popup>(p);
    if (menu_tables::Table(popup).list != menu_tables::ListItems::kNone) InsertListItems(popup, empty_lists);
  }
  return true;
}

WideString ShownText(const Record& record) {
  WideString text;
  text.Assign(record.text.View());
  if (record.ellipsis) text.Append(u"...");
  return text;
}

void SetState(HMENU menu, UINT position, int state) {
  MENUITEMINFOW item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STATE;
  item.fState = static_cast<UINT>(state);
  SetMenuItemInfoW(menu, position, TRUE, &item);
}

}  // namespace

bool Create(Strings strings, ShortcutLookup shortcuts) {
  menus.strings = std::move(strings);
  menus.shortcuts = std::move(shortcuts);
  RemakeFont();
  if (Build()) return true;
  Destroy();
  return false;
}

void Destroy() {
  // Destroying the container destroys the popups in it; the two submenus
  // go with the popups that hold them.
  if (menus.container) DestroyMenu(menus.container);
  menus.container = nullptr;
  menus.popups = {};
  menus.records.clear();
  for (auto& records : menus.list_records) records.clear();
}

bool Rebuild() {
  // Nothing to rebuild before the menus were first made (or after exit).
  if (!menus.strings) return false;
  Destroy();
  return Build();
}

HMENU Handle(Popup popup) { return popup < menu_tables::kPopupCount ? menus.popups[popup] : nullptr; }

Popup PopupOf(HMENU menu) {
  for (int p = 0; p < menu_tables::kPopupCount; ++p)
    if (menu && menus.popups[p] == menu) return static_cast<Popup>(p);
  return menu_tables::kPopupCount;
}

// The record an item's data names, when it is one of ours: the message
// may come from another process with any value in it.
const Record* Known(ULONG_PTR data) {
  const auto* wanted = reinterpret_cast<const Record*>(data);
  auto holds = [wanted](const std::deque<Record>& records) {
    for (const Record& record : records)
      if (&record == wanted) return true;
    return false;
  };
  if (!wanted) return nullptr;
  if (holds(menus.records)) return wanted;
  for (const std::deque<Record>& records : menus.list_records)
    if (holds(records)) return wanted;
  return nullptr;
}

bool Measure(HWND window, MEASUREITEMSTRUCT& item) {
  const Record* known = item.CtlType == ODT_MENU ? Known(item.itemData) : nullptr;
  if (!known) return false;
  const Record& record = *known;
  WideString text = ShownText(record);
  text.Append(record.prefix.View());
  text.Append(record.key.View());
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, menus.font ? menus.font : GetStockObject(DEFAULT_GUI_FONT));
  RECT rect = {0, 0, 0, 0};
  DrawTextExW(dc, const_cast<wchar_t*>(Wide(text)), -1, &rect, DT_CALCRECT | DT_HIDEPREFIX | DT_SINGLELINE,
              nullptr);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  // A very long path is drawn shortened in its middle instead.
  const LONG widest = GetSystemMetrics(SM_CXSCREEN) / 2;
  item.itemWidth = static_cast<UINT>(std::min<LONG>(rect.right - rect.left, widest) + 14);
  item.itemHeight = static_cast<UINT>(rect.bottom - rect.top + 6);
  return true;
}

bool Draw(const DRAWITEMSTRUCT& item) {
  const Record* known = item.CtlType == ODT_MENU ? Known(item.itemData) : nullptr;
  if (!known) return false;
  const Record& record = *known;
  HDC dc = item.hDC;
  const RECT& area = item.rcItem;
  const bool enabled = !(item.itemState & (ODS_GRAYED | ODS_DISABLED));
  SetBkMode(dc, TRANSPARENT);
  if (enabled) {
    if (item.itemState & ODS_SELECTED) {
      highlight_box::Draw(dc, area);
    } else {
      FillRect(dc, &area, GetSysColorBrush(COLOR_MENU));
    }
    if (item.itemState & ODS_CHECKED) {
      const int t = area.top + ((area.bottom - area.top - 9) >> 1);
      const POINT diamond[4] = {{area.left + 3, t + 4}, {area.left + 7, t}, {area.left + 11, t + 4},
                                {area.left + 7, t + 8}};
      HBRUSH fill = CreateSolidBrush(RGB(255, 224, 255));
      HPEN outline = CreatePen(PS_SOLID, 1, RGB(144, 72, 144));
      HGDIOBJ old_brush = SelectObject(dc, fill), old_pen = SelectObject(dc, outline);
      Polygon(dc, diamond, 4);
      SelectObject(dc, old_brush);
      SelectObject(dc, old_pen);
      DeleteObject(fill);
      DeleteObject(outline);
    }
  }
  SetTextColor(dc, GetSysColor(enabled ? COLOR_MENUTEXT : COLOR_GRAYTEXT));
  HGDIOBJ old_font = SelectObject(dc, menus.font ? menus.font : GetStockObject(DEFAULT_GUI_FONT));
  RECT text_area = area;
  text_area.left += kTextLeft;
  text_area.right -= kTextRightMargin;
  WideString shortcut;
  shortcut.Assign(record.prefix.View());
  shortcut.Append(record.key.View());
  RECT name_area = text_area;
  if (!shortcut.Empty()) {
    RECT measured = {0, 0, 0, 0};
    DrawTextW(dc, Wide(shortcut), -1, &measured, DT_CALCRECT | DT_SINGLELINE | DT_HIDEPREFIX);
    DrawTextW(dc, Wide(shortcut), -1, &text_area, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_HIDEPREFIX);
    name_area.right -= measured.right + 8;
  }
  const WideString shown = ShownText(record);
  DrawTextW(dc, Wide(shown), -1, &name_area,
            DT_SINGLELINE | DT_VCENTER | DT_HIDEPREFIX | (record.path ? DT_PATH_ELLIPSIS : 0));
  SelectObject(dc, old_font);
  return true;
}

void Prepare(HMENU menu, const Settings& settings, const menu_tables::Situation& situation) {
  const Popup popup = PopupOf(menu);
  if (popup == menu_tables::kPopupCount) return;
  const menu_tables::ListItems list = menu_tables::Table(popup).list;
  if (list != menu_tables::ListItems::kNone) InsertListItems(popup, settings);
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == menu_tables::kSeparator) continue;
    if (id == static_cast<UINT>(-1)) {
      // Submenu items: only Convert has a state, the selection's.
      if (GetSubMenu(menu, i) == menus.popups[menu_tables::kConvert]) {
        const int state = menu_tables::StateOf(popup, 5150, situation);
        if (state >= 0) SetState(menu, static_cast<UINT>(i), state);
      }
      continue;
    }
    int state = menu_tables::StateOf(popup, static_cast<std::uint16_t>(id), situation);
    // Items of files greyed when the file is gone; they stay in the list.
    if (state < 0 && (list == menu_tables::ListItems::kRecentFiles || list == menu_tables::ListItems::kBookmarks)) {
      const bool recent = list == menu_tables::ListItems::kRecentFiles;
      const std::size_t index = id - (recent ? 5024u : 5331u);
      const WideString* path = nullptr;
      if (recent && index < settings.recent_files.size()) path = &settings.recent_files[index].path;
      if (!recent && index < settings.bookmarks.size()) path = &settings.bookmarks[index].path;
      if (path) state = PathFileExistsW(Wide(*path)) ? menu_tables::kEnabled : menu_tables::kGreyed;
    }
    if (state >= 0) SetState(menu, static_cast<UINT>(i), state);
  }
}

void RemakeFont() {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  HFONT font = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)
                   ? CreateFontIndirectW(&metrics.lfMenuFont)
                   : nullptr;
  if (!font) return;
  if (menus.font) DeleteObject(menus.font);
  menus.font = font;
}

}  // namespace menus
