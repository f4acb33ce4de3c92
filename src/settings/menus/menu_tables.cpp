#include "settings/menus/menu_tables.h"

#include <algorithm>
#include <array>
#include <string>

#include "commands/command_catalogue.h"
#include "platform/path_text.h"

namespace menu_tables {
namespace {

namespace ids = command_ids;

constexpr std::uint16_t S = kSeparator;

constexpr Item kFileItems[] = {{ids::kNew}, {ids::kOpen}, {ids::kRecentFilesMenu, kRecentFiles}, {S}, {ids::kSave}, {ids::kSaveAs}, {ids::kSaveAll}, {S},
                               {ids::kClose}, {ids::kCloseAll}, {S}, {ids::kExit}};
constexpr Item kRecentItems[] = {{S}, {ids::kClearRecent}};
constexpr Item kEditItems[] = {{ids::kUndo}, {ids::kRedo}, {S}, {ids::kCut}, {ids::kCopy}, {ids::kPaste}, {ids::kDelete}, {S}, {ids::kSelectAll}, {ids::kSelectConstruct}, {S},
                               {ids::kFind}, {ids::kFindInFiles}, {ids::kGoToLine}, {S}, {ids::kConvertMenu, kConvert}, {ids::kIndent}, {ids::kUnindent}, {S}, {ids::kComment}, {S},
                               {ids::kColour}, {ids::kDate}};
constexpr Item kConvertItems[] = {{ids::kUpperCase}, {ids::kLowerCase}, {S}, {ids::kFullWidth}, {ids::kHalfWidth}, {S}, {ids::kHiragana}, {ids::kKatakana}};
constexpr Item kViewItems[] = {{ids::kLeftPane}, {ids::kRightPane}, {S}, {ids::kFindBar}, {S}, {ids::kWrap}, {S}, {ids::kBoldTags}, {ids::kTagPairHighlighting}, {S}, {ids::kEditorFont}, {ids::kEditorColours}};
constexpr Item kBookmarkItems[] = {{ids::kToggleBookmark}, {ids::kBookmarkList}, {S}};
constexpr Item kQuickTagItems[] = {{S}, {ids::kQuickTagEditor}};
constexpr Item kToolItems[] = {{S}, {ids::kSettings}};
constexpr Item kHelpItems[] = {{ids::kHelp}, {S}, {ids::kAbout}};
constexpr Item kFolderTreeItems[] = {{ids::kAddFavourite}, {ids::kRemoveFavourite}, {S}, {ids::kExpandAtStart}, {S}, {ids::kOpenFolder}, {S}, {ids::kExplore}};
constexpr Item kTagPanelItems[] = {{ids::kNewTagFolder}, {ids::kNewTag}, {S}, {ids::kEditTag}, {S}, {ids::kDeleteTag}, {S}, {ids::kExpandAllTags}, {ids::kCollapseAllTags}};
constexpr Item kTabStripItems[] = {{ids::kSave}, {ids::kSaveAs}, {S}, {ids::kClose}, {ids::kCloseAll}, {S}, {ids::kCloseOthers}, {ids::kCloseToTheRight}};
constexpr Item kEditorItems[] = {{ids::kCut}, {ids::kCopy}, {ids::kPaste}, {S}, {ids::kFind}, {S}, {ids::kConvertMenu, kConvert}, {S}, {ids::kComment}, {S},
                                 {ids::kColour}, {ids::kDate}, {S}, {ids::kQuickTagsMenu, kQuickTags}};

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
  if (button < ids::kFirstMenuButton || button > ids::kLastMenuButton) return kPopupCount;
  return static_cast<Popup>(button - ids::kFirstMenuButton);
}

bool HasEllipsis(std::uint16_t command) { return command_catalogue::HasEllipsis(command); }

std::uint16_t PlaceholderOf(ListItems list) {
  switch (list) {
    case ListItems::kRecentFiles:
      return ids::kNoRecentFiles;
    case ListItems::kBookmarks:
      return ids::kNoBookmarks;
    case ListItems::kQuickTags:
      return ids::kNoQuickTags;
    case ListItems::kTools:
      return ids::kNoTools;
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
      for (std::size_t i = 0; i < settings.recent_files.size() && i < ids::kRecentSlots; ++i) {
        const std::u16string_view path = settings.recent_files[i].path.View();
        add(static_cast<std::uint16_t>(ids::kFirstRecent + i), path, path_text::FileName(path));
      }
      break;
    case ListItems::kBookmarks:
      for (std::size_t i = 0; i < settings.bookmarks.size() && i < ids::kBookmarkSlots; ++i) {
        const Bookmark& mark = settings.bookmarks[i];
        ListItem* item = add(static_cast<std::uint16_t>(ids::kFirstBookmark + i), mark.name.View(), {});
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
        add(static_cast<std::uint16_t>(ids::kFirstQuickTag + k), tag.label.View(), tag.label.View());
      }
      break;
    case ListItems::kTools:
      for (std::size_t k = 0; k < settings.external_tools.size(); ++k) {
        const ExternalTool& tool = settings.external_tools[k];
        if (tool.path.Empty()) continue;
        ListItem* item = add(static_cast<std::uint16_t>(ids::kFirstTool + k), tool.label.View(), tool.label.View());
        item->kept.Append(string(static_cast<unsigned>(ids::kFirstTool + k + 10000)));
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
      if (id == ids::kClearRecent) return Greyed(s.recent_files_empty);
      return -1;
    case kEdit:
      switch (id) {
        case ids::kUndo: return Greyed(!s.can_undo);
        case ids::kRedo: return Greyed(!s.can_redo);
        case ids::kIndent:
        case ids::kUnindent: return Greyed(!selection || s.selection_in_one_line);
        case ids::kCut:
        case ids::kCopy:
        case ids::kConvertMenu: return Greyed(!selection);
        case ids::kPaste: return Greyed(!s.clipboard_has_text);
      }
      return -1;
    case kView:
      switch (id) {
        case ids::kLeftPane: return Checked(s.left_pane);
        case ids::kRightPane: return Checked(s.right_pane);
        case ids::kFindBar: return Checked(s.find_bar);
        case ids::kWrap: return Checked(s.wrap);
        case ids::kBoldTags: return Checked(s.bold_tags);
        case ids::kTagPairHighlighting: return Checked(s.tag_pair);
      }
      return -1;
    case kTabStrip:
      if (id == ids::kCloseOthers) return Greyed(s.documents < 2);
      if (id == ids::kCloseToTheRight) return Greyed(s.last_tab_selected);
      return -1;
    case kTagPanel:
      // New folder without a target makes the first folder of an empty
      // library, which would otherwise be a dead end.
      if (id == ids::kNewTagFolder) return Greyed(!s.tag_target && !s.tag_tree_empty);
      if (id == ids::kNewTag || id == ids::kDeleteTag || id == ids::kEditTag) return Greyed(!s.tag_target);
      return -1;
    case kFolderTree:
      if (id >= ids::kAddFavourite && id < ids::kAddFavourite + s.folder_tree.size()) return s.folder_tree[id - ids::kAddFavourite];
      return -1;
    case kEditor:
      if (id == ids::kCut || id == ids::kCopy || id == ids::kConvertMenu) return Greyed(!selection);
      if (id == ids::kPaste) return Greyed(!s.clipboard_has_text);
      return -1;
    default:
      return -1;
  }
}

}  // namespace menu_tables
