#include "e2e/file_browser.h"

#include "e2e/remote_block.h"
#include "e2e/tag_tree_seen.h"

namespace e2e {
namespace {

constexpr std::size_t kTextUnits = 512;

POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace

HWND LeftBase(HWND main_window) { return GetDlgItem(GetDlgItem(main_window, 301), 400); }
HWND BrowserTabs(HWND main_window) { return GetDlgItem(LeftBase(main_window), 401); }
HWND FolderTree(HWND main_window) { return GetDlgItem(LeftBase(main_window), 402); }
HWND FileList(HWND main_window) { return GetDlgItem(LeftBase(main_window), 403); }

HTREEITEM TreeNext(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::wstring TreeText(HWND tree, HTREEITEM item) {
  RemoteBlock block(tree, sizeof(TVITEMW) + kTextUnits * sizeof(wchar_t));
  if (!block.Valid() || !item) return {};
  TVITEMW query = {};
  query.mask = TVIF_TEXT | TVIF_HANDLE;
  query.hItem = item;
  query.pszText = reinterpret_cast<wchar_t*>(block.At(sizeof(TVITEMW)));
  query.cchTextMax = static_cast<int>(kTextUnits);
  block.Write(0, &query, sizeof query);
  if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.At(0)))) return {};
  return block.Text(sizeof(TVITEMW), kTextUnits);
}

POINT TreeLabelPoint(HWND tree, HTREEITEM item) {
  const RECT rect = NodeRect(tree, item);
  return {rect.left + 8, (rect.top + rect.bottom) / 2};
}

HTREEITEM TreeChild(HWND tree, HTREEITEM parent, const std::wstring& text) {
  for (HTREEITEM child = TreeNext(tree, parent, TVGN_CHILD); child; child = TreeNext(tree, child, TVGN_NEXT))
    if (TreeText(tree, child) == text) return child;
  return nullptr;
}

std::vector<std::wstring> ListTexts(HWND list, int column) {
  std::vector<std::wstring> texts;
  RemoteBlock block(list, sizeof(LVITEMW) + kTextUnits * sizeof(wchar_t));
  if (!block.Valid()) return texts;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVITEMW query = {};
    query.iSubItem = column;
    query.pszText = reinterpret_cast<wchar_t*>(block.At(sizeof(LVITEMW)));
    query.cchTextMax = static_cast<int>(kTextUnits);
    block.Write(0, &query, sizeof query);
    SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(block.At(0)));
    texts.push_back(block.Text(sizeof(LVITEMW), kTextUnits));
  }
  return texts;
}

POINT ListItemCentre(HWND list, int index) {
  RemoteBlock block(list, sizeof(RECT));
  RECT rect = {};
  rect.left = LVIR_LABEL;
  if (block.Write(0, &rect, sizeof rect) && SendMessageW(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(block.At(0))))
    block.Read(0, &rect, sizeof rect);
  return Centre(rect);
}

}  // namespace e2e
