#include <windowsx.h>

#include "commands/command_ids.h"
#include "editor/control/edit_control.h"
#include "frame/documents/document_tabs.h"
#include "frame/frame_state.h"
#include "frame/language/language_module.h"
#include "settings/settings.h"
#include "tools/file_browser/browser_pane.h"
#include "tools/file_browser/file_browser.h"
#include "tools/file_browser/file_list.h"
#include "tools/file_browser/folder_tree.h"
#include "tools/file_browser/shell_worker.h"
#include "tools/panes/pane_bases.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace file_browser {
namespace {

constexpr unsigned kTreeTabText = 402;
constexpr unsigned kListTabText = 403;
constexpr UINT_PTR kHoverTimer = 100000;
constexpr int kSplitterStrip = 4;

struct PaneState {
  HWND base = nullptr;
  HWND tabs = nullptr;
  std::int32_t tab_height = 0;
  // A hover switch waiting for its timer, and the view it started over.
  bool hover_pending = false;
  HWND hover_from = nullptr;
};
PaneState pane;

// A new tab (insert) or a tab's text anew.
void SetTab(int index, unsigned text_id, bool insert) {
  WideString text;
  language_module::String(text_id, text);
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text.Text()));
  SendMessageW(pane.tabs, insert ? TCM_INSERTITEMW : TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

// The tab control's own adjustment of a full-size rectangle.
std::int32_t MeasureTabHeight() {
  RECT area = {0, 0, 1000, 1000};
  SendMessageW(pane.tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area.top;
}

void LayOut(int width, int height) {
  const int inner = width > kSplitterStrip ? width - kSplitterStrip : 0;
  const int below = pane.tab_height + 1;
  MoveWindow(pane.tabs, 0, 1, inner, pane.tab_height, TRUE);
  MoveWindow(folder_tree::Window(), 0, below, inner, height > below ? height - below : 0, TRUE);
  MoveWindow(file_list::Window(), 0, below, inner, height > below ? height - below : 0, TRUE);
}

HWND ActiveEditor() {
  Document* active = Frame().documents ? Frame().documents->Active() : nullptr;
  return active ? edit_control::WindowOf(*active) : nullptr;
}

// The wheel scrolls the window under the pointer when that is the active
// editor or a pane's view; the receiver itself scrolls by its own handling,
// and a wheel over anything else is dropped.
bool RouteWheel(HWND receiver, WPARAM wparam, LPARAM lparam) {
  const POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  HWND under = WindowFromPoint(point);
  if (under == receiver) return false;
  if (under && (under == ActiveEditor() || under == pane_bases::WheelTarget(point)))
    SendMessageW(under, WM_MOUSEWHEEL, wparam, lparam);
  return true;
}

// A move over the left border of a view while the main window is
// maximised: the other view comes after a delay unless the pointer goes on
// into the view.
void HoverBorder(HWND view, WPARAM hit, LPARAM lparam) {
  const Settings& settings = ProcessSettings();
  HWND main = static_cast<HWND>(Frame().main_window);
  if (!settings.hover_switch || pane.hover_pending || hit != HTBORDER || !main || !IsZoomed(main)) return;
  POINT client_origin = {0, 0};
  ClientToScreen(view, &client_origin);
  if (GET_X_LPARAM(lparam) >= client_origin.x) return;
  pane.hover_pending = true;
  pane.hover_from = view;
  SetTimer(pane.base, kHoverTimer, static_cast<UINT>(settings.hover_switch_delay), nullptr);
}

void CancelHover() {
  if (!pane.hover_pending) return;
  KillTimer(pane.base, kHoverTimer);
  pane.hover_pending = false;
}

bool ReturnsToTree(UINT message) {
  return message == (ProcessSettings().middle_button_returns_to_tree ? WM_MBUTTONUP : WM_RBUTTONUP);
}

// The view's edge is its border.  Windows says so; Wine says nowhere, which
// would leave the hover switch dead there.
LRESULT EdgeAsBorder(HWND view, LRESULT hit, LPARAM lparam) {
  RECT frame = {};
  GetWindowRect(view, &frame);
  return hit == HTNOWHERE && PtInRect(&frame, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}) ? HTBORDER : hit;
}

LRESULT CALLBACK ViewProcedure(HWND view, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR) {
  switch (message) {
    case WM_NCHITTEST:
      return EdgeAsBorder(view, DefSubclassProc(view, message, wparam, lparam), lparam);
    case WM_NCMOUSEMOVE:
      HoverBorder(view, wparam, lparam);
      break;
    case WM_MOUSEMOVE:
      CancelHover();
      break;
    case WM_MOUSEWHEEL:
      if (RouteWheel(view, wparam, lparam)) return 0;
      break;
    case WM_RBUTTONDOWN:
      if (id == file_list::kId) return 0;
      break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (id == file_list::kId && ReturnsToTree(message)) {
        browser_pane::Show(browser_pane::kTreeView);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(view, ViewProcedure, id);
      break;
  }
  return DefSubclassProc(view, message, wparam, lparam);
}

shell_events::Event EventOf(LONG event) {
  using shell_events::Event;
  switch (event & ~SHCNE_INTERRUPT) {
    case SHCNE_RENAMEITEM: return Event::kRenameItem;
    case SHCNE_CREATE: return Event::kCreate;
    case SHCNE_DELETE: return Event::kDelete;
    case SHCNE_MKDIR: return Event::kMakeFolder;
    case SHCNE_RMDIR: return Event::kRemoveFolder;
    case SHCNE_DRIVEREMOVED: return Event::kDriveRemoved;
    case SHCNE_DRIVEADD: return Event::kDriveAdded;
    case SHCNE_UPDATEDIR: return Event::kUpdateFolder;
    case SHCNE_RENAMEFOLDER: return Event::kRenameFolder;
    default: return Event::kOther;
  }
}

// The list hears of a change first, then the tree.
void ShellChange(WPARAM wparam, LPARAM lparam) {
  shell_namespace::Change change;
  if (!shell_namespace::TakeChange(wparam, lparam, change)) return;
  const shell_events::Event event = EventOf(change.event);
  WideString first, second;
  shell_namespace::PathOf(change.first.Get(), first);
  shell_namespace::PathOf(change.second.Get(), second);
  file_list::ShellChange(event, first.View(), second.View());
  folder_tree::ShellChange(event, change.first, change.second);
}

bool Notify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom == pane.tabs && header.code == TCN_SELCHANGE) {
    browser_pane::Show(static_cast<browser_pane::View>(SendMessageW(pane.tabs, TCM_GETCURSEL, 0, 0)));
    result = 0;
    return true;
  }
  return folder_tree::Notify(header, result) || file_list::Notify(header, result);
}

POINT ClientPoint(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

}  // namespace

bool Create(HWND base) {
  pane.base = base;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(base, GWLP_HINSTANCE));
  HFONT font = static_cast<HFONT>(Frame().ui_font);
  pane.tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_FOCUSNEVER, 0, 0,
                              0, 0, base, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabStripId)), instance, nullptr);
  if (!pane.tabs) return false;
  if (font) SendMessageW(pane.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetTab(browser_pane::kTreeView, kTreeTabText, true);
  SetTab(browser_pane::kListView, kListTabText, true);
  pane.tab_height = MeasureTabHeight();
  if (!folder_tree::Create(base, font) || !file_list::Create(base, font)) return false;
  SetWindowSubclass(folder_tree::Window(), ViewProcedure, folder_tree::kId, 0);
  SetWindowSubclass(file_list::Window(), ViewProcedure, file_list::kId, 0);
  RECT area = {};
  GetClientRect(base, &area);
  LayOut(area.right, area.bottom);
  return true;
}

bool HandleMessage(HWND base, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_SIZE:
      LayOut(LOWORD(lparam), HIWORD(lparam));
      return true;
    case WM_NOTIFY:
      return Notify(*reinterpret_cast<const NMHDR*>(lparam), result);
    case WM_DRAWITEM:
      if (!file_list::DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return false;
      result = TRUE;
      return true;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wparam) != folder_tree::Window()) return false;
      folder_tree::ContextMenu(base, lparam);
      return true;
    case WM_COMMAND:
      if (LOWORD(wparam) < command_ids::kAddFavourite || LOWORD(wparam) > command_ids::kExplore) return false;
      folder_tree::Command(LOWORD(wparam));
      return true;
    case WM_TIMER:
      if (wparam == kHoverTimer) {
        const bool from_tree = pane.hover_from == folder_tree::Window();
        CancelHover();
        browser_pane::Show(from_tree ? browser_pane::kListView : browser_pane::kTreeView);
        return true;
      }
      if (wparam != file_list::kRefillTimer) return false;
      file_list::RefillAfterQuiet();
      return true;
    case WM_MOUSEMOVE:
      return file_list::DragMove(base, ClientPoint(lparam));
    case WM_LBUTTONUP:
      return file_list::DragRelease();
    case WM_CAPTURECHANGED:
      return file_list::DragCaptureLost(base, reinterpret_cast<HWND>(lparam));
    case shell_worker::kAnswer:
      folder_tree::Answer(static_cast<std::uint32_t>(wparam), static_cast<tree_rules::ButtonChange>(lparam));
      return true;
    case folder_tree::kShellChange:
      ShellChange(wparam, lparam);
      return true;
    case file_list::kFocusEditor:
      document_tabs::FocusActive();
      return true;
  }
  return false;
}

void ApplyFontAndLanguage(void* font) {
  if (!pane.tabs) return;
  SendMessageW(pane.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SetTab(browser_pane::kTreeView, kTreeTabText, false);
  SetTab(browser_pane::kListView, kListTabText, false);
  pane.tab_height = MeasureTabHeight();
  folder_tree::ApplyFontAndLanguage(static_cast<HFONT>(font));
  file_list::ApplyFont(static_cast<HFONT>(font));
  RECT area = {};
  GetClientRect(pane.base, &area);
  LayOut(area.right, area.bottom);
}

void SyncFileListSelection() { file_list::SyncSelection(); }

std::array<int, tree_commands::kCount> FolderTreeStates() { return folder_tree::CommandStates(); }

void Shutdown() {
  shell_worker::SetStopping();
  shell_worker::Purge();
  folder_tree::Shutdown();
  file_list::Clear();
  if (pane.base) KillTimer(pane.base, kHoverTimer);
}

}  // namespace file_browser

namespace browser_pane {

void Show(View view) {
  using namespace file_browser;
  HWND shown = view == kListView ? file_list::Window() : folder_tree::Window();
  HWND hidden = view == kListView ? folder_tree::Window() : file_list::Window();
  if (!shown) return;
  SendMessageW(pane.tabs, TCM_SETCURSEL, view, 0);
  ShowWindow(shown, SW_SHOW);
  ShowWindow(hidden, SW_HIDE);
  SetFocus(shown);
}

}  // namespace browser_pane
