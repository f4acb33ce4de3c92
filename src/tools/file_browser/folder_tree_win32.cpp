#include <shlwapi.h>

#include <algorithm>
#include <new>
#include <string>
#include <unordered_set>

#include "base/language/language_module.h"
#include "platform/natural_order.h"
#include "settings/settings.h"
#include "tools/file_browser/browser_pane.h"
#include "tools/file_browser/favourites.h"
#include "tools/file_browser/file_list_win32.h"
#include "tools/file_browser/folder_paths.h"
#include "tools/file_browser/folder_tree_win32.h"
#include "tools/file_browser/folder_tree_nodes_win32.h"
#include "tools/file_browser/shell_worker_win32.h"

namespace folder_tree {
namespace {

using namespace tree_rules;

constexpr unsigned kFavouritesText = 20200;
constexpr LONG kEvents = SHCNE_RENAMEITEM | SHCNE_CREATE | SHCNE_DELETE | SHCNE_MKDIR | SHCNE_RMDIR |
                         SHCNE_DRIVEREMOVED | SHCNE_DRIVEADD | SHCNE_UPDATEDIR | SHCNE_RENAMEFOLDER;

TreeState state;

const wchar_t* Wide(const WideString& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

tree_rules::ItemFacts FactsOf(SFGAOF attributes, std::u16string_view name) {
  return {(attributes & SFGAO_FILESYSTEM) != 0, (attributes & SFGAO_FOLDER) != 0, (attributes & SFGAO_STREAM) != 0,
          name};
}

// A new node at the end of parent's children; its record is the node's.
HTREEITEM Insert(HTREEITEM parent, ShellNode* node, bool button, SFGAOF attributes, int image, int selected_image) {
  node->serial = state.serials.Issue(node);
  TVINSERTSTRUCTW insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  TVITEMW& item = insert.item;
  item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM | TVIF_STATE;
  item.pszText = const_cast<wchar_t*>(Wide(node->name));
  item.iImage = image;
  item.iSelectedImage = selected_image;
  item.cChildren = button ? 1 : 0;
  item.lParam = reinterpret_cast<LPARAM>(node);
  item.stateMask = TVIS_OVERLAYMASK | TVIS_CUT;
  if (attributes & SFGAO_SHARE) item.state |= INDEXTOOVERLAYMASK(1);
  if (attributes & SFGAO_GHOSTED) item.state |= TVIS_CUT;
  node->handle = reinterpret_cast<HTREEITEM>(SendMessageW(state.tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  if (node->handle) return node->handle;
  state.serials.Retire(node->serial);
  delete node;
  return nullptr;
}

// A child from its folder's enumeration or a favourite: icons asked only
// when it is drawn.
HTREEITEM InsertChild(HTREEITEM parent, NodeType type, shell_namespace::ItemList item, SFGAOF attributes,
                      std::u16string_view key, std::u16string_view shown_name) {
  const Placement placement = PlaceChild(FactsOf(attributes, type == kFavourite ? folder_paths::NameOf(key) : key));
  if (!placement.shown) return nullptr;
  auto* node = new (std::nothrow) ShellNode;
  if (!node) return nullptr;
  node->type = type;
  node->kind = placement.kind;
  node->item = std::move(item);
  node->name.Assign(shown_name.empty() ? key : shown_name);
  node->key.Assign(key);
  HTREEITEM handle = Insert(parent, node, placement.button, attributes, I_IMAGECALLBACK, I_IMAGECALLBACK);
  if (handle && placement.check) AskWorker(handle, kRemoveButtonIfNone);
  return handle;
}

HTREEITEM InsertFavourite(std::u16string_view path) {
  WideString terminated;
  if (!terminated.Assign(path)) return nullptr;
  if (!PathFileExistsW(Wide(terminated)) && !PathIsRootW(Wide(terminated))) return nullptr;
  shell_namespace::ItemList item = shell_namespace::ItemList::OfPath(path);
  if (!item.Valid()) return nullptr;
  const SFGAOF attributes = shell_namespace::Attributes(item.Get(), shell_namespace::kChildAttributes);
  WideString shown_name;
  shell_namespace::DisplayName(item.Get(), shown_name);
  return InsertChild(state.favourites_root, kFavourite, std::move(item), attributes, path, shown_name.View());
}

void FillFavourites() {
  for (const FavouriteFolder& favourite : ProcessSettings().favourite_folders) InsertFavourite(favourite.path.View());
  SortChildren(state.favourites_root);
}

// Names in a folder differ in more than ASCII letter case.
std::u16string Folded(std::u16string_view name) {
  std::u16string key(name);
  for (char16_t& c : key)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return key;
}

std::unordered_set<std::u16string> ChildKeys(HTREEITEM item) {
  std::unordered_set<std::u16string> keys;
  for (HTREEITEM child = Next(item, TVGN_CHILD); child; child = Next(child, TVGN_NEXT))
    keys.insert(Folded(NodeOf(child)->key.View()));
  return keys;
}

// Fills a node that is about to expand for the first time.
void Populate(HTREEITEM item) {
  ShellNode* node = NodeOf(item);
  if (!node) return;
  if (item == state.favourites_root) {
    FillFavourites();
    if (!Next(item, TVGN_CHILD)) MarkEmpty(item);
    return;
  }
  WideString path;
  if (node->kind == kFileSystemFolder && (!PathOfNode(*node, path) || !PathFileExistsW(Wide(path)))) {
    MarkEmpty(item);
    return;
  }
  AddMissingChildren(item);
  if (!Next(item, TVGN_CHILD)) MarkEmpty(item);
}

int CALLBACK CompareFavourites(LPARAM a, LPARAM b, LPARAM) {
  const auto* x = reinterpret_cast<const ShellNode*>(a);
  const auto* y = reinterpret_cast<const ShellNode*>(b);
  if (x->kind != y->kind) return x->kind < y->kind ? -1 : 1;
  return natural_order::Compare(x->name.Text(), y->name.Text());
}

int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM order) {
  return reinterpret_cast<const shell_namespace::FolderOrder*>(order)->Compare(
      reinterpret_cast<const ShellNode*>(a)->item.Get(), reinterpret_cast<const ShellNode*>(b)->item.Get());
}

// A folder chosen by the user: its files listed, and the list shown when
// there are any.
void Choose(HTREEITEM item) {
  ShellNode* node = NodeOf(item);
  WideString path;
  if (node && node->kind != kVirtualFolder && PathOfNode(*node, path) &&
      !folder_paths::SameFolder(path.View(), file_list::ListedFolder()) && file_list::FillFolder(path.View()))
    browser_pane::Show(browser_pane::kListView);
  SendMessageW(state.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

// A click on the icon or label of the listed folder's node shows the list
// again, refilled first when it went empty meanwhile.
void Clicked() {
  TVHITTESTINFO hit = {};
  const DWORD position = GetMessagePos();
  hit.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  ScreenToClient(state.tree, &hit.pt);
  SendMessageW(state.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  ShellNode* node = NodeOf(hit.hItem);
  WideString path;
  if (!node || !(hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL)) || node->kind == kVirtualFolder ||
      !PathOfNode(*node, path) || !folder_paths::SameFolder(path.View(), file_list::ListedFolder()))
    return;
  if (file_list::HoldsNames() || file_list::FillFolder(path.View())) browser_pane::Show(browser_pane::kListView);
}

void GiveImages(NMTVDISPINFOW& info) {
  const ShellNode* node = NodeOf(info.item.hItem);
  if (!node) return;
  if (info.item.mask & TVIF_IMAGE) info.item.iImage = shell_namespace::SmallIconIndex(node->item.Get(), false);
  if (info.item.mask & TVIF_SELECTEDIMAGE)
    info.item.iSelectedImage = shell_namespace::SmallIconIndex(node->item.Get(), true);
  info.item.mask |= TVIF_DI_SETITEM;
}

void InsertRoots() {
  const Settings& settings = ProcessSettings();
  auto* desktop = new (std::nothrow) ShellNode;
  auto* favourites = new (std::nothrow) ShellNode;
  // Without memory for the roots the tree stays empty.
  if (!desktop || !favourites) {
    delete desktop;
    delete favourites;
    return;
  }
  desktop->type = kDesktopRoot;
  desktop->item = shell_namespace::ItemList::Desktop();
  shell_namespace::DisplayName(desktop->item.Get(), desktop->name);
  const int desktop_image = shell_namespace::SmallIconIndex(desktop->item.Get(), false);
  state.desktop_root = Insert(TVI_ROOT, desktop, true, 0, desktop_image, desktop_image);

  favourites->type = kFavouritesRoot;
  language_module::String(kFavouritesText, favourites->name);
  const shell_namespace::ItemList folder = shell_namespace::ItemList::OfSpecialFolder(CSIDL_FAVORITES);
  state.favourites_image = folder.Valid() ? shell_namespace::SmallIconIndex(folder.Get(), false) : desktop_image;
  // Whether the favourites root has children is the list's length: decided
  // here, never on the worker's thread.
  state.favourites_root = Insert(TVI_ROOT, favourites, !settings.favourite_folders.empty(), 0,
                                 state.favourites_image, state.favourites_image);

  if (settings.expand_desktop_root) Expand(state.desktop_root);
  if (!settings.expand_favourites_root || !state.favourites_root) return;
  Expand(state.favourites_root);
  for (HTREEITEM child = Next(state.favourites_root, TVGN_CHILD); child; child = Next(child, TVGN_NEXT)) {
    const std::size_t index = favourites::IndexOf(settings.favourite_folders, NodeOf(child)->key.View());
    if (index != favourites::kNone && settings.favourite_folders[index].expand_at_start) Expand(child);
  }
}

}  // namespace

TreeState& Tree() { return state; }

ShellNode* NodeOf(HTREEITEM item) {
  if (!item) return nullptr;
  TVITEMW query = {};
  query.mask = TVIF_PARAM | TVIF_HANDLE;
  query.hItem = item;
  if (!SendMessageW(state.tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) return nullptr;
  return reinterpret_cast<ShellNode*>(query.lParam);
}

bool PathOfNode(const ShellNode& node, WideString& path) {
  if (shell_namespace::PathOf(node.item.Get(), path)) return true;
  return node.type == kFavourite && path.Assign(node.key.View()) && !path.Empty();
}

UINT ItemState(HTREEITEM item) {
  return static_cast<UINT>(SendMessageW(state.tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), 0xFFFF));
}

bool HasButton(HTREEITEM item) {
  TVITEMW query = {};
  query.mask = TVIF_CHILDREN | TVIF_HANDLE;
  query.hItem = item;
  return SendMessageW(state.tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)) && query.cChildren != 0;
}

void SetButton(HTREEITEM item, bool button) {
  TVITEMW change = {};
  change.mask = TVIF_CHILDREN | TVIF_HANDLE;
  change.hItem = item;
  change.cChildren = button ? 1 : 0;
  SendMessageW(state.tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

void MarkEmpty(HTREEITEM item) {
  SetButton(item, false);
  TVITEMW change = {};
  change.mask = TVIF_STATE | TVIF_HANDLE;
  change.hItem = item;
  // Not expanded once either: should children come, expanding looks again.
  change.stateMask = TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  SendMessageW(state.tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

HTREEITEM Next(HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(state.tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM NextAfterSubtree(HTREEITEM item) {
  for (HTREEITEM at = item; at; at = Next(at, TVGN_PARENT))
    if (HTREEITEM sibling = Next(at, TVGN_NEXT)) return sibling;
  return nullptr;
}

void Expand(HTREEITEM item) { SendMessageW(state.tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item)); }

void CollapseDiscarding(HTREEITEM item) {
  const bool button = HasButton(item);
  SelectionCheckSuspended suspended;
  SendMessageW(state.tree, TVM_EXPAND, TVE_COLLAPSE | TVE_COLLAPSERESET, reinterpret_cast<LPARAM>(item));
  SetButton(item, button);
}

void Delete(HTREEITEM item) {
  SelectionCheckSuspended suspended;
  for (HTREEITEM at = Next(nullptr, TVGN_CARET); at; at = Next(at, TVGN_PARENT)) {
    if (at != item) continue;
    SendMessageW(state.tree, TVM_SELECTITEM, TVGN_CARET, 0);
    break;
  }
  SendMessageW(state.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

int AddMissingChildren(HTREEITEM item) {
  ShellNode* node = NodeOf(item);
  if (!node || !node->item.Valid()) return 0;
  const std::unordered_set<std::u16string> present = ChildKeys(item);
  int added = 0;
  SendMessageW(state.tree, WM_SETREDRAW, FALSE, 0);
  shell_namespace::ForEachFolder(node->item.Get(), true, [&](const shell_namespace::Child& child) {
    if (present.count(Folded(child.name.View()))) return true;
    if (InsertChild(item, kOtherNode, shell_namespace::Combined(node->item.Get(), child.relative), child.attributes,
                    child.name.View(), child.display_name.View()))
      ++added;
    return true;
  });
  if (added) SortChildren(item);
  SendMessageW(state.tree, WM_SETREDRAW, TRUE, 0);
  return added;
}

void ShowFavourite(std::u16string_view path) {
  const HTREEITEM root = state.favourites_root;
  if (!root) return;
  for (HTREEITEM child = Next(root, TVGN_CHILD); child; child = Next(child, TVGN_NEXT))
    if (folder_paths::SameFolder(NodeOf(child)->key.View(), path)) return;
  // A root never expanded fills itself from the list when it first opens.
  if (ItemState(root) & TVIS_EXPANDEDONCE) {
    if (!InsertFavourite(path)) return;
    SortChildren(root);
  }
  SetButton(root, true);
  Expand(root);
}

void SortChildren(HTREEITEM item) {
  const ShellNode* node = NodeOf(item);
  if (!node) return;
  // The children of one folder, in the order their folder gives them.
  const shell_namespace::FolderOrder order(node->item.Get());
  TVSORTCB sort = {item, item == state.favourites_root ? CompareFavourites : CompareItems,
                   reinterpret_cast<LPARAM>(&order)};
  SendMessageW(state.tree, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void AskWorker(HTREEITEM item, CheckMode mode) {
  const ShellNode* node = NodeOf(item);
  if (node && node->item.Valid())
    shell_worker::Ask(state.base, node->serial, node->type, node->kind, node->item.Get(), mode);
}

bool Create(HWND base, HFONT font) {
  state.base = base;
  state.tree = CreateWindowExW(WS_EX_STATICEDGE, WC_TREEVIEWW, L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TVS_HASBUTTONS | TVS_HASLINES |
                                   TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                               0, 0, 0, 0, base, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)),
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(base, GWLP_HINSTANCE)), nullptr);
  if (!state.tree) return false;
  if (font) SendMessageW(state.tree, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(state.tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(shell_namespace::SmallIcons()));
  // The worker's window must exist before the first node asks it.
  shell_worker::Ready();
  InsertRoots();
  state.registration = shell_namespace::RegisterChanges(base, kShellChange, kEvents);
  return true;
}

HWND Window() { return state.tree; }

bool Notify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != state.tree || !state.tree) return false;
  result = 0;
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: {
      const auto& view = reinterpret_cast<const NMTREEVIEWW&>(header);
      if ((view.action & TVE_EXPAND) && !(ItemState(view.itemNew.hItem) & TVIS_EXPANDEDONCE))
        Populate(view.itemNew.hItem);
      return true;
    }
    case TVN_GETDISPINFOW:
      GiveImages(const_cast<NMTVDISPINFOW&>(reinterpret_cast<const NMTVDISPINFOW&>(header)));
      return true;
    case TVN_DELETEITEMW: {
      auto* node = reinterpret_cast<ShellNode*>(reinterpret_cast<const NMTREEVIEWW&>(header).itemOld.lParam);
      if (!node) return true;
      state.serials.Retire(node->serial);
      if (node->handle == state.desktop_root) state.desktop_root = nullptr;
      if (node->handle == state.favourites_root) state.favourites_root = nullptr;
      delete node;
      return true;
    }
    case TVN_SELCHANGINGW:
      // Only the user chooses folders; the tree moving its selection by
      // itself would fill the list behind the user's back.
      result = reinterpret_cast<const NMTREEVIEWW&>(header).action == TVC_UNKNOWN && state.selection_check_suspended == 0;
      return true;
    case TVN_SELCHANGEDW: {
      const auto& view = reinterpret_cast<const NMTREEVIEWW&>(header);
      if (view.action != TVC_UNKNOWN) Choose(view.itemNew.hItem);
      return true;
    }
    case NM_CLICK:
      Clicked();
      return true;
  }
  return false;
}

void Answer(std::uint32_t serial, ButtonChange change) {
  auto* node = static_cast<ShellNode*>(state.serials.Answered(serial, shell_worker::Stopping()));
  if (!node) return;
  if (change == ButtonChange::kAdd) SetButton(node->handle, true);
  // Children shown meanwhile outweigh an answer from before they came.
  if (change == ButtonChange::kRemove && !Next(node->handle, TVGN_CHILD)) MarkEmpty(node->handle);
}

void ApplyFontAndLanguage(HFONT font) {
  if (!state.tree) return;
  SendMessageW(state.tree, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  ShellNode* favourites = NodeOf(state.favourites_root);
  if (!favourites) return;
  language_module::String(kFavouritesText, favourites->name);
  TVITEMW change = {};
  change.mask = TVIF_TEXT | TVIF_HANDLE;
  change.hItem = state.favourites_root;
  change.pszText = const_cast<wchar_t*>(Wide(favourites->name));
  SendMessageW(state.tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

void Shutdown() {
  if (!state.tree) return;
  shell_namespace::DeregisterChanges(state.registration);
  state.registration = 0;
  SelectionCheckSuspended suspended;
  SendMessageW(state.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  state.serials.Clear();
}

}  // namespace folder_tree
