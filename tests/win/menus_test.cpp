// The popups as the system holds them: built from the tables with the
// language's texts, rebuilt without leaving old popups behind, and deaf to
// the owner-drawn controls that send the same messages.
#include "settings/menus/menus_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/language/language_module.h"
#include "support/program_folder.h"

namespace {

std::wstring ItemText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

MEASUREITEMSTRUCT MeasureOf(HMENU menu, int position) {
  MENUITEMINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA | MIIM_ID;
  GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
  MEASUREITEMSTRUCT item = {};
  item.CtlType = ODT_MENU;
  item.itemID = info.wID;
  item.itemData = info.dwItemData;
  return item;
}

TEST(Menus, PopupsCarryTheTextsAndRebuildsLeaveNoOldPopups) {
  ASSERT_TRUE(language_module::Load(u"English", test_support::U16(test_support::ProgramFolder())));
  ASSERT_TRUE(menus::Create([](unsigned id) { return language_module::StringView(id); }, nullptr));
  HMENU file = menus::Handle(menu_tables::kFile);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(ItemText(file, 0), L"New");
  EXPECT_EQ(ItemText(file, 1), L"Open...");
  EXPECT_EQ(GetSubMenu(file, 2), menus::Handle(menu_tables::kRecentFiles));
  EXPECT_EQ(menus::PopupOf(file), menu_tables::kFile);

  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  MEASUREITEMSTRUCT measured = MeasureOf(file, 1);
  ASSERT_TRUE(menus::Measure(host, measured));
  EXPECT_GT(measured.itemWidth, 0u);

  // Each rebuild destroys the popups it replaces (Wine's GetGuiResources
  // counts nothing, so the handles themselves are checked).
  for (int i = 0; i < 200; ++i) {
    HMENU old = menus::Handle(menu_tables::kEdit);
    ASSERT_TRUE(menus::Rebuild());
    ASSERT_FALSE(IsMenu(old)) << "rebuild " << i;
  }
  file = menus::Handle(menu_tables::kFile);
  MEASUREITEMSTRUCT again = MeasureOf(file, 1);
  ASSERT_TRUE(menus::Measure(host, again));
  EXPECT_EQ(again.itemWidth, measured.itemWidth);
  EXPECT_EQ(ItemText(file, 1), L"Open...");

  // A combo box's items come with no menu data: not the menus' business.
  MEASUREITEMSTRUCT combo_measure = {};
  combo_measure.CtlType = ODT_COMBOBOX;
  EXPECT_FALSE(menus::Measure(host, combo_measure));
  DRAWITEMSTRUCT combo_draw = {};
  combo_draw.CtlType = ODT_COMBOBOX;
  combo_draw.itemData = 1;
  EXPECT_FALSE(menus::Draw(combo_draw));

  DestroyWindow(host);
  menus::Destroy();
  language_module::Unload();
}

}  // namespace
