#include "e2e/tag_tree_seen.h"

#include <cstring>

#include "e2e/remote_block.h"

namespace e2e {
namespace {

constexpr int kClientId = 301;
constexpr int kRightBaseId = 410;
constexpr int kTreeId = 412;

HTREEITEM Next(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

}  // namespace

HWND RightBase(HWND main_window) { return GetDlgItem(GetDlgItem(main_window, kClientId), kRightBaseId); }
HWND TagTree(HWND main_window) { return GetDlgItem(RightBase(main_window), kTreeId); }
int NodeCount(HWND tree) { return static_cast<int>(SendMessageW(tree, TVM_GETCOUNT, 0, 0)); }

HTREEITEM NodeAt(HWND tree, int folder, int tag) {
  HTREEITEM node = Next(tree, nullptr, TVGN_ROOT);
  for (int i = 0; node && i < folder; ++i) node = Next(tree, node, TVGN_NEXT);
  if (node && tag >= 0) node = Next(tree, node, TVGN_CHILD);
  for (int i = 0; node && i < tag; ++i) node = Next(tree, node, TVGN_NEXT);
  return node;
}

RECT NodeRect(HWND tree, HTREEITEM node) {
  RemoteBlock block(tree, sizeof(RECT));
  RECT rect = {};
  std::memcpy(&rect, &node, sizeof node);  // the item goes in, the rectangle comes out
  if (!block.Valid() || !block.Write(0, &rect, sizeof rect) ||
      !SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(block.At(0))) ||
      !block.Read(0, &rect, sizeof rect))
    return {};
  return rect;
}

POINT NodeCentre(HWND tree, HTREEITEM node) {
  const RECT rect = NodeRect(tree, node);
  if (rect.right <= rect.left) return {-1, -1};
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace e2e
