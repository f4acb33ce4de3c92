// What the popups hold, the texts of the items made from the lists, and
// which items are greyed or checked when a popup opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/menus/menu_tables.h"

namespace {

using menu_tables::ListItems;

std::u16string_view Strings(unsigned id) {
  switch (id) {
    case 5023: return u"(No recent files)";
    case 5410: return u"(No quick tags)";
    case 15511: return u" (browser)";
    default: return u"";
  }
}

std::vector<std::uint16_t> Ids(menu_tables::Popup popup) {
  std::vector<std::uint16_t> ids;
  for (const menu_tables::Item& item : menu_tables::Table(popup).items) ids.push_back(item.id);
  return ids;
}

TEST(MenuTables, PopupsHoldTheirItemsInOrder) {
  constexpr std::uint16_t S = menu_tables::kSeparator;
  EXPECT_EQ(Ids(menu_tables::kFile),
            (std::vector<std::uint16_t>{5010, 5020, 5021, S, 5050, 5051, 5052, S, 5080, 5081, S, 5090}));
  EXPECT_EQ(Ids(menu_tables::kTabStrip), (std::vector<std::uint16_t>{5050, 5051, S, 5080, 5081, S, 5082, 5083}));
  EXPECT_EQ(menu_tables::Table(menu_tables::kEditor).items.back().submenu, menu_tables::kQuickTags);
  EXPECT_EQ(menu_tables::OfMenuButton(5002), menu_tables::kView);
  EXPECT_EQ(menu_tables::OfMenuButton(99), menu_tables::kPopupCount);
  EXPECT_TRUE(menu_tables::HasEllipsis(5051));
  EXPECT_FALSE(menu_tables::HasEllipsis(5050));
}

TEST(MenuTables, ListItemsShowTheirTextsOrAPlaceholder) {
  Settings settings;
  EXPECT_EQ(menu_tables::ListItemsOf(ListItems::kRecentFiles, settings, Strings)[0].id, 5023);
  settings.recent_files.emplace_back();
  settings.recent_files[0].path.Assign(u"C:\\site\\index.html");
  settings.bookmarks.emplace_back();
  settings.bookmarks[0].path.Assign(u"C:\\a.html");
  settings.bookmarks[0].line = 41;
  settings.quick_tags[0].label.Assign(u"Empty");  // no texts: no item
  settings.quick_tags[3].label.Assign(u"Bold");
  settings.quick_tags[3].start_text.Assign(u"<b>");
  settings.external_tools[0].path.Assign(u"C:\\browser.exe");
  settings.external_tools[0].label.Assign(u"Browser");

  const auto recent = menu_tables::ListItemsOf(ListItems::kRecentFiles, settings, Strings);
  ASSERT_EQ(recent.size(), 1u);
  EXPECT_EQ(recent[0].id, 5024);
  EXPECT_EQ(std::u16string(recent[0].drawn.View()), u"C:\\site\\index.html");
  EXPECT_EQ(std::u16string(recent[0].kept.View()), u"index.html");
  EXPECT_EQ(std::u16string(menu_tables::ListItemsOf(ListItems::kBookmarks, settings, Strings)[0].drawn.View()),
            u"C:\\a.html - 42");
  const auto tags = menu_tables::ListItemsOf(ListItems::kQuickTags, settings, Strings);
  ASSERT_EQ(tags.size(), 1u);
  EXPECT_EQ(tags[0].id, 5414);
  EXPECT_EQ(std::u16string(menu_tables::ListItemsOf(ListItems::kTools, settings, Strings)[0].kept.View()),
            u"Browser (browser)");
  settings.quick_tags[3].start_text.Clear();
  EXPECT_EQ(menu_tables::ListItemsOf(ListItems::kQuickTags, settings, Strings)[0].id, 5410);
}

TEST(MenuTables, StatesFollowTheDocumentTheOptionsTheTabsAndTheTagTarget) {
  menu_tables::Situation s;
  s.has_selection = true;
  s.selection_in_one_line = true;
  s.wrap = true;
  s.documents = 1;
  s.last_tab_selected = true;
  const struct {
    menu_tables::Popup popup;
    std::uint16_t id;
    int state;
  } cases[] = {
      {menu_tables::kEdit, 5110, menu_tables::kGreyed},   {menu_tables::kEdit, 5120, menu_tables::kEnabled},
      {menu_tables::kEdit, 5160, menu_tables::kGreyed},   {menu_tables::kEdit, 5122, menu_tables::kGreyed},
      {menu_tables::kView, 5260, menu_tables::kChecked},  {menu_tables::kView, 5210, menu_tables::kEnabled},
      {menu_tables::kTabStrip, 5082, menu_tables::kGreyed}, {menu_tables::kTabStrip, 5083, menu_tables::kGreyed},
      {menu_tables::kRecentFiles, 5022, menu_tables::kGreyed}, {menu_tables::kFile, 5010, -1},
      {menu_tables::kTagPanel, 5800, menu_tables::kGreyed}, {menu_tables::kTagPanel, 5801, menu_tables::kGreyed},
      {menu_tables::kTagPanel, 5803, menu_tables::kGreyed}, {menu_tables::kTagPanel, 5810, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(menu_tables::StateOf(c.popup, c.id, s), c.state) << c.id;
  s.selection_in_one_line = false;
  EXPECT_EQ(menu_tables::StateOf(menu_tables::kEdit, 5160, s), menu_tables::kEnabled);
  s.tag_tree_empty = true;  // the first folder can always be made
  EXPECT_EQ(menu_tables::StateOf(menu_tables::kTagPanel, 5800, s), menu_tables::kEnabled);
  EXPECT_EQ(menu_tables::StateOf(menu_tables::kTagPanel, 5801, s), menu_tables::kGreyed);
  s.tag_target = true;
  EXPECT_EQ(menu_tables::StateOf(menu_tables::kTagPanel, 5800, s), menu_tables::kEnabled);
  EXPECT_EQ(menu_tables::StateOf(menu_tables::kTagPanel, 5802, s), menu_tables::kEnabled);
}

}  // namespace
