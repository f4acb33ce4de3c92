#include "settings/menus/menu_tables.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/path_text.h"

namespace menu_tables {
namespace {

constexpr std::uint16_t S = kSeparator;

constexpr Item kFileItems[] = {{5010}, {5020}, {5021, kRecentFiles}, {S}, {5050}, {5051}, {5052}, {S},
                               {5080}, {5081}, {S}, {5090}};
constexpr Item kRecentItems[] = {{S}, {5022}};
constexpr Item kEditItems[] = {{5110}, {5111}, {S}, {5120}, {5121}, {5122}, {5123}, {S}, {5124}, {5125}, {S},
                               {5130}, {5140}, {S}, {5150, kConvert}, {5160}, {5161}, {S}, {5170}, {S},
                               {5180}, {5181}};
constexpr Item kConvertItems[] = {{5151}, {5152}, {S}, {5153}, {5154}, {S}, {5155}, {5156}};
constexpr Item kViewItems[] = {{5210}, {5220}, {S}, {5230}, {S}, {5260}, {S}, {5251}, {5252}, {S}, {5240}, {5250}};
constexpr Item kBookmarkItems[] = {{5310}, {5320}, {S}};
constexpr Item kQuickTagItems[] = {{S}, {5450}};
constexpr Item kToolItems[] = {{S}, {5550}};
constexpr Item kHelpItems[] = {{5610}, {S}, {5620}};
constexpr Item kFolderTreeItems[] = {{5700}, {5701}, {S}, {5702}, {S}, {5703}, {S}, {5704}};
constexpr Item kTagPanelItems[] = {{5800}, {5801}, {S}, {5803}, {S}, {5802}, {S}, {5810}, {5811}};
constexpr Item kTabStripItems[] = {{5050}, {5051}, {S}, {5080}, {5081}, {S}, {5082}, {5083}};
constexpr Item kEditorItems[] = {{5120}, {5121}, {5122}, {S}, {5130}, {S}, {5150, kConvert}, {S}, {5170}, {S},
                                 {5180}, {5181}, {S}, {5004, kQuickTags}};

const std::array<PopupTable, kPopupCount> kTables = {{
    {kFileItems, ListItems::kNone, false},
    {kEditItems, ListItems::kNone, false},
    {kViewItems, ListItems::kNone, false},
    {kBookmarkItems, ListItems::kBookmarks, false},
    {kQuickTagItems, ListItems::kQuickTags, true},
    {kToolItems, ListItems::kTools, true},
    {kHelpItems, ListItems::kNone, false},
    {kRecentItems, ListItems::kRecentFiles, true},
    {kConvertItems, ListItems::kNone, false},
    {kFolderTreeItems, ListItems::kNone, false},
    {kTagPanelItems, ListItems::kNone, false},
    {kTabStripItems, ListItems::kNone, false},
    {kEditorItems, ListItems::kNone, false},
}};

constexpr std::uint16_t kEllipsis[] = {5020, 5051, 5130, 5140, 5240, 5250, 5320, 5450, 5550, 5703, 5802, 5803};

bool AppendNumber(WideString& text, std::int64_t number) {
  for (char digit : std::to_string(number))
    if (!text.Append(static_cast<char16_t>(digit))) return false;
  return true;
}

int Greyed(bool greyed) { return greyed ? kGreyed : kEnabled; }
int Checked(bool checked) { return checked ? kChecked : kEnabled; }

}  // namespace

const PopupTable& Table(Popup popup) { return kTables[static_cast<std::size_t>(popup)]; }

Popup OfMenuButton(std::uint16_t button) {
  if (button < 5000 || button > 5006) return kPopupCount;
  return static_cast<Popup>(button - 5000);
}

bool HasEllipsis(std::uint16_t command) { return std::ranges::find(kEllipsis, command) != std::end(kEllipsis); }

std::uint16_t PlaceholderOf(ListItems list) {
  switch (list) {
    case ListItems::kRecentFiles:
      return 5023;
    case ListItems::kBookmarks:
      return 5330;
    case ListItems::kQuickTags:
      return 5410;
    case ListItems::kTools:
      return 5510;
    case ListItems::kNone:
      break;
  }
  return 0;
}

std::vector<ListItem> ListItemsOf(ListItems list, const Settings& settings,
                                  const std::function<std::u16string_view(unsigned)>& string) {
  std::vector<ListItem> items;
  auto add = [&](std::uint16_t id, std::u16string_view drawn, std::u16string_view kept) {
    ListItem item{id, {}, {}};
    item.drawn.Assign(drawn);
    item.kept.Assign(kept);
    items.push_back(std::move(item));
    return &items.back();
  };
  switch (list) {
    case ListItems::kRecentFiles:
      for (std::size_t i = 0; i < settings.recent_files.size() && i < 20; ++i) {
        const std::u16string_view path = settings.recent_files[i].path.View();
        add(static_cast<std::uint16_t>(5024 + i), path, path_text::FileName(path));
      }
      break;
    case ListItems::kBookmarks:
      for (std::size_t i = 0; i < settings.bookmarks.size() && i < 20; ++i) {
        const Bookmark& mark = settings.bookmarks[i];
        ListItem* item = add(static_cast<std::uint16_t>(5331 + i), mark.name.View(), {});
        if (mark.name.Empty()) {
          item->drawn.Assign(mark.path.View());
          item->drawn.Append(u" - ");
          AppendNumber(item->drawn, static_cast<std::int64_t>(mark.line) + 1);
        }
        item->kept.Assign(item->drawn.View());
      }
      break;
    case ListItems::kQuickTags:
      for (std::size_t k = 0; k < settings.quick_tags.size(); ++k) {
        const QuickTag& tag = settings.quick_tags[k];
        if (tag.start_text.Empty() && tag.end_text.Empty()) continue;
        add(static_cast<std::uint16_t>(5411 + k), tag.label.View(), tag.label.View());
      }
      break;
    case ListItems::kTools:
      for (std::size_t k = 0; k < settings.external_tools.size(); ++k) {
        const ExternalTool& tool = settings.external_tools[k];
        if (tool.path.Empty()) continue;
        ListItem* item = add(static_cast<std::uint16_t>(5511 + k), tool.label.View(), tool.label.View());
        item->kept.Append(string(static_cast<unsigned>(5511 + k + 10000)));
      }
      break;
    case ListItems::kNone:
      break;
  }
  if (items.empty() && list != ListItems::kNone) {
    const std::uint16_t placeholder = PlaceholderOf(list);
    add(placeholder, string(placeholder), string(placeholder));
  }
  return items;
}

int StateOf(Popup popup, std::uint16_t id, const Situation& s) {
  const bool selection = s.has_selection;
  switch (popup) {
    case kRecentFiles:
      if (id == 5022) return Greyed(s.recent_files_empty);
      return -1;
    case kEdit:
      switch (id) {
        case 5110: return Greyed(!s.can_undo);
        case 5111: return Greyed(!s.can_redo);
        case 5160:
        case 5161: return Greyed(!selection || s.selection_in_one_line);
        case 5120:
        case 5121:
        case 5150: return Greyed(!selection);
        case 5122: return Greyed(!s.clipboard_has_text);
      }
      return -1;
    case kView:
      switch (id) {
        case 5210: return Checked(s.left_pane);
        case 5220: return Checked(s.right_pane);
        case 5230: return Checked(s.find_bar);
        case 5260: return Checked(s.wrap);
        case 5251: return Checked(s.bold_tags);
        case 5252: return Checked(s.tag_pair);
      }
      return -1;
    case kTabStrip:
      if (id == 5082) return Greyed(s.documents < 2);
      if (id == 5083) return Greyed(s.last_tab_selected);
      return -1;
    case kTagPanel:
      // New folder without a target makes the first folder of an empty
      // library, which would otherwise be a dead end.
      if (id == 5800) return Greyed(!s.tag_target && !s.tag_tree_empty);
      if (id == 5801 || id == 5802 || id == 5803) return Greyed(!s.tag_target);
      return -1;
    case kFolderTree:
      if (id >= 5700 && id < 5700 + s.folder_tree.size()) return s.folder_tree[id - 5700];
      return -1;
    case kEditor:
      if (id == 5120 || id == 5121 || id == 5150) return Greyed(!selection);
      if (id == 5122) return Greyed(!s.clipboard_has_text);
      return -1;
    default:
      return -1;
  }
}

}  // namespace menu_tables
