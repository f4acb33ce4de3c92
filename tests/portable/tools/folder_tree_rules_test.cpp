// The folder tree's rules: which items get nodes, the context menu's
// states, the favourites list, and answers for nodes that are gone.
#include <gtest/gtest.h>

#include <string>

#include "settings/menus/menu_tables.h"
#include "tools/file_browser/favourites.h"
#include "tools/file_browser/node_serials.h"
#include "tools/file_browser/tree_commands.h"
#include "tools/file_browser/tree_rules.h"

namespace {

using namespace tree_rules;

TEST(FolderTreeRules, ItemsGetNodesByKindAndOnlyZipArchivesShow) {
  struct Case {
    ItemFacts item;
    Placement placement;
    bool counts;
  };
  const Case cases[] = {
      {{true, true, false, u"site"}, {true, kFileSystemFolder, true, true}, true},
      {{false, true, false, u"Control Panel"}, {true, kVirtualFolder, true, true}, false},
      {{false, false, false, u"Printer"}, {false}, false},
      {{true, true, true, u"pages.zip"}, {true, kZipArchive, false, false}, true},
      {{true, false, false, u"PAGES.ZIP"}, {true, kZipArchive, false, false}, true},
      {{true, true, true, u"pages.cab"}, {false}, false},
      {{true, false, false, u"index.html"}, {false}, false},
      {{true, true, true, u"zip"}, {false}, false},
  };
  for (const Case& c : cases) {
    const Placement placement = PlaceChild(c.item);
    const std::string name(c.item.name.begin(), c.item.name.end());
    EXPECT_EQ(placement.shown, c.placement.shown) << name;
    if (c.placement.shown) {
      EXPECT_EQ(placement.kind, c.placement.kind) << name;
      EXPECT_EQ(placement.button, c.placement.button) << name;
      EXPECT_EQ(placement.check, c.placement.check) << name;
    }
    EXPECT_EQ(CountsAsChild(c.item), c.counts) << name;
  }
}

TEST(FolderTreeRules, TheBackgroundCheckAsksByNodeAndChangesTheButtonByMode) {
  EXPECT_EQ(QuestionFor(kDesktopRoot, kFileSystemFolder), Question::kYes);
  EXPECT_EQ(QuestionFor(kFavourite, kFileSystemFolder), Question::kFolderTest);
  EXPECT_EQ(QuestionFor(kOtherNode, kFileSystemFolder), Question::kFolderTest);
  EXPECT_EQ(QuestionFor(kOtherNode, kVirtualFolder), Question::kParentAttribute);
  EXPECT_EQ(QuestionFor(kFavourite, kVirtualFolder), Question::kNo);
  EXPECT_EQ(QuestionFor(kOtherNode, kZipArchive), Question::kNo);
  EXPECT_EQ(ChangeFor(kAddButtonIfAny, true), ButtonChange::kAdd);
  EXPECT_EQ(ChangeFor(kAddButtonIfAny, false), ButtonChange::kKeep);
  EXPECT_EQ(ChangeFor(kRemoveButtonIfNone, false), ButtonChange::kRemove);
  EXPECT_EQ(ChangeFor(kRemoveButtonIfNone, true), ButtonChange::kKeep);
}

TEST(FolderTreeRules, AFolderIsAFavouriteOnceInAnyLetterCase) {
  std::vector<FavouriteFolder> list;
  EXPECT_TRUE(favourites::Add(list, u"C:\\Site"));
  EXPECT_FALSE(favourites::Add(list, u"c:\\SITE"));
  EXPECT_FALSE(favourites::Add(list, u"C:\\site\\"));
  EXPECT_FALSE(favourites::Add(list, u""));
  EXPECT_TRUE(favourites::Add(list, u"D:\\"));
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(favourites::IndexOf(list, u"d:"), 1u);
  EXPECT_EQ(favourites::IndexOf(list, u"C:\\Site2"), favourites::kNone);
  EXPECT_FALSE(favourites::Remove(list, u"C:\\Sit"));
  EXPECT_TRUE(favourites::Remove(list, u"C:\\SITE"));
  EXPECT_EQ(list[0].path.View(), u"D:\\");
  EXPECT_TRUE(favourites::Remove(list, u"d:\\"));
  EXPECT_TRUE(list.empty());  // the favourites root loses its expand button
}

TEST(FolderTreeRules, TheContextMenuFollowsTheNodeAndExpandAtStartTogglesItsSwitch) {
  constexpr int E = menu_tables::kEnabled, G = menu_tables::kGreyed, C = menu_tables::kChecked;
  Settings settings;
  settings.expand_desktop_root = true;
  favourites::Add(settings.favourite_folders, u"C:\\Site");
  settings.favourite_folders[0].expand_at_start = true;
  struct Case {
    const char* what;
    tree_commands::Target target;
    std::array<int, tree_commands::kCount> states;
  };
  const Case cases[] = {
      {"no node", {false, kOtherNode, kFileSystemFolder, u""}, {G, G, G, G, G}},
      {"desktop root", {true, kDesktopRoot, kFileSystemFolder, u"C:\\Desktop"}, {E, G, E | C, E, E}},
      {"favourites root", {true, kFavouritesRoot, kFileSystemFolder, u""}, {G, G, E, G, G}},
      {"favourite", {true, kFavourite, kFileSystemFolder, u"c:\\site"}, {G, E, E | C, E, E}},
      {"a favourite's folder elsewhere in the tree", {true, kOtherNode, kFileSystemFolder, u"C:\\SITE"}, {G, G, G, E, E}},
      {"ordinary folder", {true, kOtherNode, kFileSystemFolder, u"C:\\other"}, {E, G, G, E, E}},
      {"virtual folder", {true, kOtherNode, kVirtualFolder, u""}, {G, G, G, G, E}},
      {"zip archive", {true, kOtherNode, kZipArchive, u"C:\\a.zip"}, {G, G, G, G, E}},
  };
  for (const Case& c : cases) EXPECT_EQ(tree_commands::States(c.target, settings), c.states) << c.what;

  const tree_commands::Target favourite{true, kFavourite, kFileSystemFolder, u"C:\\SITE"};
  bool* flag = tree_commands::ExpandAtStart(favourite, settings);
  ASSERT_EQ(flag, &settings.favourite_folders[0].expand_at_start);
  ASSERT_EQ(tree_commands::ExpandAtStart({true, kFavouritesRoot, kFileSystemFolder, u""}, settings), &settings.expand_favourites_root);
  EXPECT_EQ(tree_commands::ExpandAtStart({true, kOtherNode, kFileSystemFolder, u"C:\\Site"}, settings), nullptr);
}

TEST(FolderTreeRules, AnswersForNodesThatAreGoneOrWhileStoppingAreDropped) {
  NodeSerials serials;
  int a = 0, b = 0;
  const std::uint32_t first = serials.Issue(&a);
  const std::uint32_t second = serials.Issue(&b);
  EXPECT_NE(first, second);
  serials.Retire(first);
  EXPECT_EQ(serials.Answered(first, false), nullptr);
  EXPECT_EQ(serials.Answered(second, false), &b);
  EXPECT_EQ(serials.Answered(second, true), nullptr);
  EXPECT_EQ(serials.Answered(0, false), nullptr);
  EXPECT_EQ(serials.Answered(second + 1, false), nullptr);  // never issued
  const std::uint32_t third = serials.Issue(&a);
  EXPECT_NE(third, first);  // a serial is not given out again
  serials.Clear();
  EXPECT_EQ(serials.Answered(third, false), nullptr);
}

}  // namespace
