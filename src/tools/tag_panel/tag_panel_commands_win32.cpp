#include "tools/tag_panel/tag_panel_commands_win32.h"

#include <commctrl.h>

#include <cstring>

#include "commands/command_ids.h"
#include "frame/frame_state.h"
#include "frame/layout/popup_menus.h"
#include "tools/tag_panel/tag_dialogs_win32.h"
#include "tools/tag_panel/tag_tree_view_win32.h"

namespace tag_panel_commands {
namespace {

constexpr unsigned kDeleteTagText = 20520;
constexpr unsigned kDeleteFolderText = 20521;
constexpr unsigned kEditTagTitle = 20530;
constexpr unsigned kEditFolderTitle = 20531;

HTREEITEM target = nullptr;

HWND DialogOwner() { return static_cast<HWND>(Frame().main_window); }

void NewFolder(HWND tree) {
  TagFolder* folder = CreateTagFolder();
  if (!folder) return;
  tag_tree_view::TreeView view(tree);
  // Before the target's folder; without a target at the end.
  const tag_tree::Node around = tag_tree_view::NodeOf(tag_tree_view::FolderAround(tree, target));
  const tag_tree::Place place = target ? tag_tree::Before(view, around) : tag_tree::Place{};
  if (!tag_dialogs::EditFolder(DialogOwner(), command_ids::kNewTagFolder, *folder) || view.Insert(place, folder) == tag_tree::kNone)
    DestroyTagFolder(folder);
}

void NewTag(HWND tree) {
  TagEntry* tag = CreateTagEntry();
  if (!tag) return;
  tag_tree_view::TreeView view(tree);
  HTREEITEM folder = tag_tree_view::FolderAround(tree, target);
  const tag_tree::Place place = folder == target
                                    ? tag_tree::Place{tag_tree_view::NodeOf(folder), tag_tree::Place::Where::kLast}
                                    : tag_tree::Before(view, tag_tree_view::NodeOf(target));
  if (!tag_dialogs::EditTag(DialogOwner(), command_ids::kNewTag, *tag) || view.Insert(place, tag) == tag_tree::kNone) {
    DestroyTagEntry(tag);
    return;
  }
  tag_tree_view::OpenFolder(tree, folder);
}

void Delete(HWND tree) {
  const bool tag = tag_tree_view::EntryOf(tree, target) != nullptr;
  if (tag_dialogs::Confirm(DialogOwner(), tag ? kDeleteTagText : kDeleteFolderText))
    SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(target));
}

void Edit(HWND tree) {
  if (TagEntry* tag = tag_tree_view::EntryOf(tree, target)) {
    if (tag_dialogs::EditTag(DialogOwner(), kEditTagTitle, *tag)) tag_tree_view::SetText(tree, target, tag->name);
  } else if (TagFolder* folder = tag_tree_view::FolderOf(tree, target)) {
    if (tag_dialogs::EditFolder(DialogOwner(), kEditFolderTitle, *folder))
      tag_tree_view::SetText(tree, target, folder->name);
  }
}

void ExpandAll(HWND tree, UINT action) {
  for (auto folder = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)); folder;
       folder = reinterpret_cast<HTREEITEM>(
           SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(folder))))
    SendMessageW(tree, TVM_EXPAND, action, reinterpret_cast<LPARAM>(folder));
}

}  // namespace

void ShowMenu(HWND base, HWND tree, POINT screen) {
  if (screen.x == -1 && screen.y == -1) {
    // From the keyboard: the selected node, at its row.
    target = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    RECT row = {};
    std::memcpy(&row, &target, sizeof target);  // the item goes in, the rectangle comes out
    screen = {0, 0};
    if (target && SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row)))
      screen = {row.left, row.bottom};
    ClientToScreen(tree, &screen);
  } else {
    POINT client = screen;
    ScreenToClient(tree, &client);
    target = tag_tree_view::HitTest(tree, client);
  }
  if (target) SendMessageW(tree, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(target));
  const std::uint16_t chosen = popup_menus::ChooseFromContextMenu(menu_tables::kTagPanel, screen, base);
  if (target) SendMessageW(tree, TVM_SELECTITEM, TVGN_DROPHILITE, 0);
  if (chosen) SendMessageW(base, WM_COMMAND, chosen, 0);
  target = nullptr;
}

bool Run(HWND tree, WORD command) {
  switch (command) {
    case command_ids::kNewTagFolder: NewFolder(tree); break;
    case command_ids::kNewTag: if (HasTarget(tree)) NewTag(tree); break;
    case command_ids::kDeleteTag: if (HasTarget(tree)) Delete(tree); break;
    case command_ids::kEditTag: if (HasTarget(tree)) Edit(tree); break;
    case command_ids::kExpandAllTags: ExpandAll(tree, TVE_EXPAND); break;
    case command_ids::kCollapseAllTags: ExpandAll(tree, TVE_COLLAPSE); break;
    default: return false;
  }
  target = nullptr;
  return true;
}

bool HasTarget(HWND tree) {
  return target && (tag_tree_view::EntryOf(tree, target) || tag_tree_view::FolderOf(tree, target));
}

}  // namespace tag_panel_commands
