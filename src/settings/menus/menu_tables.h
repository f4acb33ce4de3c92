#pragma once
// The program's thirteen popup menus as tables: their items in order, the
// separators, the submenus, the commands whose text ends in "...", the
// texts of the items made from the lists, and which items are greyed or
// checked when a popup opens.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/wide_string.h"
#include "settings/settings.h"

namespace menu_tables {

enum Popup : int {
  kFile, kEdit, kView, kBookmarks, kQuickTags, kTools, kHelp,
  kRecentFiles, kConvert, kFolderTree, kTagPanel, kTabStrip, kEditor,
  kPopupCount
};

inline constexpr std::uint16_t kSeparator = 9900;
// Where a popup's items made from a list go.
enum class ListItems { kNone, kRecentFiles, kBookmarks, kQuickTags, kTools };

struct Item {
  std::uint16_t id;       // kSeparator for a separator
  Popup submenu = kPopupCount;  // kPopupCount: no submenu
};

struct PopupTable {
  std::span<const Item> items;
  ListItems list;
  // Where the list's items stand: before the fixed items (true) or after.
  bool list_first;
};

const PopupTable& Table(Popup popup);
// The popup a menu-bar button (5000..5006) opens; kPopupCount for others.
Popup OfMenuButton(std::uint16_t button);
bool HasEllipsis(std::uint16_t command);

// One item made from a list: its command id, the text drawn and the text
// the system keeps (they differ for recent files: path and file name).
struct ListItem {
  std::uint16_t id;
  WideString drawn;
  WideString kept;
};
// The list's items now, or its one placeholder (id, disabled) when empty.
std::vector<ListItem> ListItemsOf(ListItems list, const Settings& settings,
                                  const std::function<std::u16string_view(unsigned)>& string);
std::uint16_t PlaceholderOf(ListItems list);

inline constexpr int kEnabled = 0;
inline constexpr int kGreyed = 3;
inline constexpr int kChecked = 8;

// What the program knows when a popup opens.
struct Situation {
  bool can_undo = false;
  bool can_redo = false;
  bool has_selection = false;
  bool selection_in_one_line = false;
  bool clipboard_has_text = false;
  bool left_pane = false;
  bool right_pane = false;
  bool find_bar = false;
  bool wrap = false;
  bool bold_tags = false;
  bool tag_pair = false;
  std::int32_t documents = 0;
  bool last_tab_selected = false;
  bool recent_files_empty = true;
  bool tag_target = false;  // a tag panel node was right-clicked
  bool tag_tree_empty = false;
  // The folder tree's node under the menu: states of 5700..5704.
  std::array<int, 5> folder_tree = {kGreyed, kGreyed, kGreyed, kGreyed, kGreyed};
};
// The state of item id in popup; -1 when the popup's rules leave it alone
// (the items from lists are checked by the caller against their files).
int StateOf(Popup popup, std::uint16_t id, const Situation& situation);

}  // namespace menu_tables
