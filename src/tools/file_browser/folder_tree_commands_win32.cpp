// The folder tree's context menu and its commands 5700 to 5704, for the
// node the menu was opened on.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "commands/command_ids.h"
#include "frame/language/error_box.h"
#include "frame/frame_state.h"
#include "frame/layout/popup_menus.h"
#include "settings/settings.h"
#include "tools/file_browser/favourites.h"
#include "tools/file_browser/folder_tree.h"
#include "tools/file_browser/folder_tree_nodes.h"

namespace folder_tree {
namespace {

using namespace tree_rules;

constexpr unsigned kCannotExplore = 30005;

struct ContextNode {
  ShellNode* node = nullptr;
  WideString path;
  tree_commands::Target target;
};

// The node the menu was opened on, if it still exists; the target's path
// views the record's own.
void Resolve(ContextNode& context) {
  context.node = static_cast<ShellNode*>(Tree().serials.Answered(Tree().context_serial, false));
  if (!context.node) return;
  if (context.node->type != kFavouritesRoot && context.node->kind != kVirtualFolder)
    PathOfNode(*context.node, context.path);
  if (context.node->type == kFavourite) context.path.Assign(context.node->key.View());
  context.target = {true, context.node->type, context.node->kind, context.path.View()};
}

void RemoveFavourite(ShellNode& node) {
  TreeState& tree = Tree();
  favourites::Remove(ProcessSettings().favourite_folders, node.key.View());
  Delete(node.handle);
  if (tree.favourites_root && !Next(tree.favourites_root, TVGN_CHILD)) MarkEmpty(tree.favourites_root);
}

void Explore(const ShellNode& node) {
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_IDLIST | SEE_MASK_FLAG_NO_UI;
  info.hwnd = static_cast<HWND>(Frame().main_window);
  info.lpVerb = L"explore";
  info.lpIDList = const_cast<ITEMIDLIST*>(reinterpret_cast<const ITEMIDLIST*>(node.item.Get()));
  info.nShow = SW_SHOWNORMAL;
  if (!node.item.Valid() || !ShellExecuteExW(&info)) error_box::Show(kCannotExplore);
}

}  // namespace

void ContextMenu(HWND base, LPARAM point) {
  TreeState& tree = Tree();
  POINT screen = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  HTREEITEM item = nullptr;
  if (point == -1) {
    item = Next(nullptr, TVGN_CARET);
    RECT label = {};
    std::memcpy(&label, &item, sizeof item);  // the message reads the node from the rectangle
    if (!item || !SendMessageW(tree.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label))) return;
    screen = {label.left, label.bottom};
    ClientToScreen(tree.tree, &screen);
  } else {
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(tree.tree, &hit.pt);
    item = reinterpret_cast<HTREEITEM>(SendMessageW(tree.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  }
  const ShellNode* node = NodeOf(item);
  tree.context_serial = node ? node->serial : 0;
  if (const std::uint16_t command = popup_menus::ChooseFromContextMenu(menu_tables::kFolderTree, screen, base))
    Command(command);
}

std::array<int, tree_commands::kCount> CommandStates() {
  ContextNode context;
  Resolve(context);
  return tree_commands::States(context.target, ProcessSettings());
}

void Command(std::uint16_t command) {
  ContextNode context;
  Resolve(context);
  const auto states = tree_commands::States(context.target, ProcessSettings());
  const int index = command - command_ids::kAddFavourite;
  if (index < 0 || index >= tree_commands::kCount || (states[index] & menu_tables::kGreyed) == menu_tables::kGreyed)
    return;
  Settings& settings = ProcessSettings();
  switch (command) {
    case command_ids::kAddFavourite:
      if (favourites::Add(settings.favourite_folders, context.path.View())) ShowFavourite(context.path.View());
      return;
    case command_ids::kRemoveFavourite:
      RemoveFavourite(*context.node);
      return;
    case command_ids::kExpandAtStart:
      if (bool* flag = tree_commands::ExpandAtStart(context.target, settings)) *flag = !*flag;
      return;
    case command_ids::kOpenFolder:
      Frame().last_folder.Assign(context.path.View());
      SendMessageW(static_cast<HWND>(Frame().main_window), WM_COMMAND, command_ids::kOpen, 0);
      return;
    case command_ids::kExplore:
      Explore(*context.node);
      return;
  }
}

}  // namespace folder_tree
