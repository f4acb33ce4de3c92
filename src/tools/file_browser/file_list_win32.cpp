#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/frame_services_win32.h"
#include "base/frame_state.h"
#include "platform/folder_listing.h"
#include "platform/path_text.h"
#include "platform/shell_namespace_win32.h"
#include "settings/settings.h"
#include "tools/file_browser/file_collection.h"
#include "tools/file_browser/file_list_win32.h"
#include "tools/file_browser/file_list_rules.h"
#include "tools/insertion_tools.h"
#include "tools/tag_panel/tag_panel_editor_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace file_list {
namespace {

constexpr UINT kQuietMs = 200;
constexpr int kColumnPadding = 8;
constexpr COLORREF kSelectedFill = RGB(232, 255, 255);
constexpr COLORREF kSelectedOutline = RGB(72, 144, 144);

enum class Drag { kNone = 0, kOutsideEditor = 1, kOverEditor = 2 };

struct ListState {
  HWND list = nullptr;
  HWND base = nullptr;
  HFONT font = nullptr;
  WideString folder;
  std::vector<WideString> names;
  std::vector<int> icons;
  // Icon indexes by extension, ASCII letters folded.
  std::unordered_map<std::u16string, int> extension_icons;
  // Selection changes the program makes itself move no focus.
  int programmatic = 0;
  Drag drag = Drag::kNone;
  WideString dragged_path;
};
ListState state;

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

Document* ActiveDocument() { return Frame().documents ? Frame().documents->Active() : nullptr; }

int IconOf(std::u16string_view name) {
  std::u16string key(path_text::ExtensionOf(name));
  for (char16_t& c : key)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  const auto found = state.extension_icons.find(key);
  if (found != state.extension_icons.end()) return found->second;
  const int icon = shell_namespace::ExtensionIconIndex(key.empty() ? std::u16string_view(u".") : key);
  state.extension_icons.emplace(std::move(key), icon);
  return icon;
}

void SetState(int index, UINT item_state, UINT mask) {
  LVITEMW item = {};
  item.state = item_state;
  item.stateMask = mask;
  ++state.programmatic;
  SendMessageW(state.list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  --state.programmatic;
}

void SelectOnly(int index) {
  SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (index >= 0) SetState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// The widest name, the small icon and some room beside them.
void FitColumn() {
  HDC dc = GetDC(state.list);
  if (!dc) return;
  HGDIOBJ previous = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  int widest = 0;
  for (const WideString& name : state.names) {
    SIZE size = {};
    if (GetTextExtentPoint32W(dc, Wide(name.Text()), static_cast<int>(name.Length()), &size))
      widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, previous);
  ReleaseDC(state.list, dc);
  SendMessageW(state.list, LVM_SETCOLUMNWIDTH, 0, widest + GetSystemMetrics(SM_CXSMICON) + kColumnPadding);
}

bool Collect() {
  const Settings& settings = ProcessSettings();
  const bool any = file_collection::Collect(HostFolderListing(), state.folder.View(), settings.document_extensions,
                                            settings.image_extensions, state.names);
  state.icons.clear();
  state.icons.reserve(state.names.size());
  for (const WideString& name : state.names) state.icons.push_back(IconOf(name.View()));
  SendMessageW(state.list, LVM_SETITEMCOUNT, state.names.size(), 0);
  if (!any) return false;
  FitColumn();
  SyncSelection();
  InvalidateRect(state.list, nullptr, TRUE);
  return true;
}

// Opening by click: documents only, at the line remembered for them, and
// their folder becomes the Open dialog's.
void Clicked(const NMITEMACTIVATE& activation) {
  LVHITTESTINFO hit = {};
  hit.pt = activation.ptAction;
  const int index = static_cast<int>(SendMessageW(state.list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (index >= 0 && static_cast<std::size_t>(index) < state.names.size() && (hit.flags & LVHT_ONITEM) &&
      file_list_rules::OpensAsDocument(state.names[index].View(), ProcessSettings().document_extensions)) {
    WideString path;
    if (path.AssignJoined(state.folder.View(), state.names[index].View())) frame_services::OpenDocument(path.View());
  }
  SyncSelection();
  frame_services::FocusActiveDocument();
}

void BeginDrag(const NMLISTVIEW& view) {
  if (view.iItem < 0 || static_cast<std::size_t>(view.iItem) >= state.names.size()) return;
  if (!state.dragged_path.AssignJoined(state.folder.View(), state.names[view.iItem].View())) return;
  SelectOnly(view.iItem);
  state.drag = Drag::kOutsideEditor;
  SetCapture(state.base);
  SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
  tag_panel_editor::StartDrop();
}

void GiveText(NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= state.names.size()) return;
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
    lstrcpynW(item.pszText, Wide(state.names[item.iItem].Text()), item.cchTextMax);
  if (item.mask & LVIF_IMAGE) item.iImage = state.icons[item.iItem];
}

}  // namespace

bool Create(HWND base, HFONT font) {
  state.base = base;
  state.font = font;
  state.list = CreateWindowExW(WS_EX_STATICEDGE, WC_LISTVIEWW, L"",
                               WS_CHILD | WS_CLIPSIBLINGS | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                                   LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | LVS_OWNERDATA | LVS_SHAREIMAGELISTS,
                               0, 0, 0, 0, base, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)),
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(base, GWLP_HINSTANCE)), nullptr);
  if (!state.list) return false;
  if (font) SendMessageW(state.list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(state.list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(shell_namespace::SmallIcons()));
  LVCOLUMNW column = {};
  column.mask = LVCF_WIDTH;
  column.cx = kColumnPadding;
  SendMessageW(state.list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  return true;
}

HWND Window() { return state.list; }

bool FillFolder(std::u16string_view folder) {
  Clear();
  if (!state.folder.Assign(folder)) return false;
  if (HWND main = static_cast<HWND>(Frame().main_window)) SetWindowTextW(main, Wide(state.folder.Text()));
  return Collect();
}

bool Refill() {
  Clear();
  return !state.folder.Empty() && Collect();
}

void Clear() {
  if (state.base) KillTimer(state.base, kRefillTimer);
  state.names.clear();
  state.icons.clear();
  if (state.list) SendMessageW(state.list, LVM_SETITEMCOUNT, 0, 0);
}

bool HoldsNames() { return !state.names.empty(); }

void ApplyFont(HFONT font) {
  if (!state.list) return;
  state.font = font;
  SendMessageW(state.list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (HoldsNames()) FitColumn();
}
std::u16string_view ListedFolder() { return state.folder.View(); }

void SyncSelection() {
  if (!state.list) return;
  Document* active = ActiveDocument();
  SelectOnly(file_list_rules::MirroredItem(state.names, state.folder.View(), active ? active->File().path.View() : u""));
}

bool Notify(const NMHDR& header, LRESULT& result) {
  if (!state.list || header.hwndFrom != state.list) return false;
  result = 0;
  const bool double_click = ProcessSettings().open_by_double_click;
  switch (header.code) {
    case NM_CLICK:
    case NM_DBLCLK:
      if ((header.code == NM_DBLCLK) == double_click) Clicked(reinterpret_cast<const NMITEMACTIVATE&>(header));
      return true;
    case LVN_BEGINDRAG:
      BeginDrag(reinterpret_cast<const NMLISTVIEW&>(header));
      return true;
    case LVN_ITEMCHANGED: {
      const auto& view = reinterpret_cast<const NMLISTVIEW&>(header);
      // The list never keeps the focus when the user moved its selection.
      if (!state.programmatic && (view.uChanged & LVIF_STATE) && view.uNewState != view.uOldState)
        PostMessageW(state.base, kFocusEditor, 0, 0);
      return true;
    }
    case LVN_GETDISPINFOW:
      GiveText(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
      return true;
  }
  return false;
}

bool DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTVIEW || item.hwndItem != state.list) return false;
  // Drawing may be asked for an index the names no longer reach.
  if (item.itemID >= state.names.size()) return true;
  const int index = static_cast<int>(item.itemID);
  HDC dc = item.hDC;
  if (item.itemState & ODS_SELECTED) {
    HBRUSH fill = CreateSolidBrush(kSelectedFill);
    HPEN outline = CreatePen(PS_SOLID, 1, kSelectedOutline);
    HGDIOBJ old_brush = SelectObject(dc, fill);
    HGDIOBJ old_pen = SelectObject(dc, outline);
    Rectangle(dc, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(outline);
    DeleteObject(fill);
  } else {
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
  }
  RECT label = {};
  RECT icon = {};
  label.left = LVIR_LABEL;
  icon.left = LVIR_ICON;
  SendMessageW(state.list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&label));
  SendMessageW(state.list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&icon));
  label.left += 2;
  HGDIOBJ old_font = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  const WideString& name = state.names[index];
  DrawTextW(dc, Wide(name.Text()), static_cast<int>(name.Length()), &label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old_font);
  const int icon_size = GetSystemMetrics(SM_CYSMICON);
  ImageList_Draw(shell_namespace::SmallIcons(), state.icons[index], dc, icon.left,
                 icon.top + (icon.bottom - icon.top - icon_size) / 2, ILD_TRANSPARENT);
  return true;
}

void ShellChange(shell_events::Event event, std::u16string_view first, std::u16string_view second) {
  const Settings& settings = ProcessSettings();
  switch (file_list_rules::ChangeFor(event, first, second, state.folder.View(), HoldsNames(),
                                     settings.document_extensions, settings.image_extensions)) {
    case file_list_rules::ListChange::kRefill:
      SetTimer(state.base, kRefillTimer, kQuietMs, nullptr);
      return;
    case file_list_rules::ListChange::kClear:
      // The folder is gone: the next choice of any folder fills anew.
      Clear();
      state.folder.Clear();
      return;
    case file_list_rules::ListChange::kNone:
      return;
  }
}

void RefillAfterQuiet() {
  KillTimer(state.base, kRefillTimer);
  const int top = static_cast<int>(SendMessageW(state.list, LVM_GETTOPINDEX, 0, 0));
  const int selected = static_cast<int>(SendMessageW(state.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  WideString kept;
  if (selected >= 0 && static_cast<std::size_t>(selected) < state.names.size()) kept.Assign(state.names[selected].View());
  SendMessageW(state.list, WM_SETREDRAW, FALSE, 0);
  if (Refill()) {
    for (std::size_t i = 0; i < state.names.size() && !kept.Empty(); ++i)
      if (state.names[i].View() == kept.View()) SelectOnly(static_cast<int>(i));
    RECT row = {};
    row.left = LVIR_BOUNDS;
    if (top > 0 && SendMessageW(state.list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)))
      SendMessageW(state.list, LVM_SCROLL, 0, top * (row.bottom - row.top));
  }
  SendMessageW(state.list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(state.list, nullptr, TRUE);
}

bool DragMove(HWND base, POINT point) {
  if (state.drag == Drag::kNone) return false;
  SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
  state.drag = tag_panel_editor::DropAt(base, point) == 2 ? Drag::kOverEditor : Drag::kOutsideEditor;
  return true;
}

bool DragRelease() {
  if (state.drag == Drag::kNone) return false;
  const bool drop = state.drag == Drag::kOverEditor;
  // Cleared first: letting go of the capture reports a loss.
  state.drag = Drag::kNone;
  ReleaseCapture();
  Document* active = ActiveDocument();
  if (drop && active) insertion_tools::InsertDroppedFile(*active, state.dragged_path.View());
  SyncSelection();
  return true;
}

bool DragCaptureLost(HWND base, HWND taker) {
  if (state.drag == Drag::kNone || taker == base) return false;
  state.drag = Drag::kNone;
  SyncSelection();
  return true;
}

}  // namespace file_list
