#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "docs/tabs/bookmark_list.h"
#include "editor/control/edit_control_win32.h"
#include "editor/editing/editor_notify.h"
#include "frame/commands/dispatcher_win32.h"
#include "commands/command_ids.h"
#include "frame/documents/document_tabs.h"
#include "frame/documents/tab_area_win32.h"
#include "base/frame_state.h"
#include "frame/layout/frame_geometry.h"
#include "base/language/language_module.h"
#include "frame/layout/popup_menus_win32.h"
#include "base/language/string_ids.h"
#include "settings/settings.h"
#include "tools/panes/pane_bases_win32.h"
#include "tools/toolbars/toolbars_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace tab_area {
namespace {

constexpr wchar_t kClassName[] = L"Vorndel_mbase_class";
constexpr int kTooltipDelayMs = 300;

// The tooltip's text must outlive the notification.
WideString tooltip_text;

void SetStatusParts(int width) {
  const auto edges = frame_geometry::StatusPartEdges(width);
  const int ends[3] = {edges[0], edges[1], edges[2]};
  SendMessageW(Area().status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(ends));
}

void ShowTooltip(NMTTDISPINFOW& info) {
  Document* document = DocumentAt(static_cast<std::int32_t>(info.hdr.idFrom));
  tooltip_text.Clear();
  if (document) tooltip_text.Assign(document->File().path.View());
  info.lpszText = const_cast<wchar_t*>(tooltip_text.Empty() ? L"" : Wide(tooltip_text.Text()));
}

// Bookmarks follow the lines of the document being edited, which is the
// active one: only it has the keyboard and the mouse.
void FollowLines(UINT message, WPARAM wparam, LPARAM lparam) {
  Document* active = Set().Active();
  if (!active || active->File().path.Empty()) return;
  const std::int64_t line = static_cast<std::int64_t>(wparam);
  const std::int64_t count = static_cast<std::int64_t>(lparam);
  if (line < 0 || line > INT32_MAX || count < 1 || count > INT32_MAX) return;
  auto& bookmarks = ProcessSettings().bookmarks;
  if (message == EDN_LINESINSERTED) {
    bookmark_list::LinesInserted(bookmarks, active->File().path.View(), static_cast<std::int32_t>(line),
                                 static_cast<std::int32_t>(count));
  } else {
    bookmark_list::LinesRemoved(bookmarks, active->File().path.View(), static_cast<std::int32_t>(line),
                                static_cast<std::int32_t>(count));
  }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_NOTIFY: {
      const NMHDR& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (header.hwndFrom == Area().tabs && header.code == TCN_SELCHANGE) {
        Activate(Selected(), false);
      } else if (header.code == TTN_GETDISPINFOW &&
                 header.hwndFrom == reinterpret_cast<HWND>(SendMessageW(Area().tabs, TCM_GETTOOLTIPS, 0, 0))) {
        ShowTooltip(*reinterpret_cast<NMTTDISPINFOW*>(lparam));
      }
      return 0;
    }
    case WM_CONTEXTMENU: {
      HWND from = reinterpret_cast<HWND>(wparam);
      POINT at = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      if (from == Area().tabs) {
        popup_menus::ShowContextMenu(menu_tables::kTabStrip, at);
      } else if (Set().Active() && from == edit_control::WindowOf(*Set().Active())) {
        // From the keyboard: at the editor's top-left corner.
        if (lparam == -1) {
          at = {0, 0};
          ClientToScreen(from, &at);
        }
        popup_menus::ShowContextMenu(menu_tables::kEditor, at);
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
      document_tabs::FocusActive();
      return 0;
    case WM_LBUTTONDBLCLK:
      // As the menu's New: the buttons and the status bar follow.
      dispatcher::Dispatch(MAKEWPARAM(command_ids::kNew, 0));
      return 0;
    case WM_MOUSEWHEEL: {
      // Only the panes' trees and lists, never back to a window that
      // passed the wheel here.
      const POINT at = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      HWND target = LOWORD(wparam) == 0 ? pane_bases::WheelTarget(at) : nullptr;
      if (target) SendMessageW(target, WM_MOUSEWHEEL, wparam, lparam);
      return 0;
    }
    case EDN_MODIFIEDCHANGED: {
      // Any process can send this number; only a document of ours counts.
      const std::int32_t index = IndexOf(reinterpret_cast<const Document*>(wparam));
      if (index >= 0) Retitle(index);
      return 0;
    }
    case EDN_LINESINSERTED:
    case EDN_LINESREMOVED:
      FollowLines(message, wparam, lparam);
      return 0;
    case EDN_CHANGED:
      toolbars::RefreshStates();
      return 0;
    case EDN_MOUSECOMMAND:
      dispatcher::MouseCommand(wparam);
      return 0;
    case EDN_GESTURE:
      dispatcher::GestureFeedback(wparam);
      return 0;
    case EDN_MOUSEDOWN:
      dispatcher::MouseDown();
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// One row of tabs in the strip's font: what lies above the display area.
std::int32_t RowHeight(HWND tabs) {
  RECT probe = {0, 0, 400, 400};
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&probe));
  return std::max<LONG>(probe.top - 2, 1);
}

HWND CreateTabStrip(HWND area, HINSTANCE instance, HFONT font) {
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_TOOLTIPS | TCS_FOCUSNEVER,
                              0, 1, 100, 20, area, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabStripId)), instance,
                              nullptr);
  if (!tabs) return nullptr;
  SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (HWND tips = reinterpret_cast<HWND>(SendMessageW(tabs, TCM_GETTOOLTIPS, 0, 0))) {
    SendMessageW(tips, TTM_SETDELAYTIME, TTDT_INITIAL, kTooltipDelayMs);
    SendMessageW(tips, TTM_SETTIPBKCOLOR, RGB(255, 255, 255), 0);
  }
  TCITEMW item = {};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = const_cast<wchar_t*>(L"");
  SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  Area().row_height = RowHeight(tabs);
  SubclassTabStrip(tabs);
  return tabs;
}

}  // namespace

State& Area() {
  static State state;
  return state;
}

DocumentSet& Set() { return *Frame().documents; }
HWND MainWindow() { return static_cast<HWND>(Frame().main_window); }

RECT EditorPlace() {
  RECT client = {}, status = {};
  GetClientRect(Area().area, &client);
  GetWindowRect(Area().status, &status);
  const LONG status_height = status.bottom - status.top;
  const LONG top = Area().row_height + 1;
  return {0, top, client.right, std::max(top, client.bottom - status_height)};
}

void LayOut() {
  State& state = Area();
  RECT client = {};
  GetClientRect(state.area, &client);
  SendMessageW(state.status, WM_SIZE, 0, 0);
  SetStatusParts(client.right);
  MoveWindow(state.tabs, 0, 1, client.right, state.row_height, TRUE);
  const RECT place = EditorPlace();
  if (Frame().documents) edit_control::MoveAll(Set(), place.top, place.right, place.bottom - place.top);
}

Document* DocumentAt(std::int32_t index) {
  TCITEMW item = {};
  item.mask = TCIF_PARAM;
  if (index < 0 || !SendMessageW(Area().tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<Document*>(item.lParam);
}

std::int32_t IndexOf(const Document* document) {
  if (!document) return -1;
  const auto count = static_cast<std::int32_t>(SendMessageW(Area().tabs, TCM_GETITEMCOUNT, 0, 0));
  for (std::int32_t i = 0; i < count; ++i)
    if (DocumentAt(i) == document) return i;
  return -1;
}

std::int32_t Selected() { return static_cast<std::int32_t>(SendMessageW(Area().tabs, TCM_GETCURSEL, 0, 0)); }

void DisplayName(Document& document, WideString& name) {
  const std::u16string_view path = document.File().path.View();
  if (path.empty()) {
    language_module::String(string_ids::kUntitled, name);
    return;
  }
  const std::size_t slash = path.rfind(u'\\');
  name.Assign(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

void Retitle(std::int32_t index) {
  Document* document = DocumentAt(index);
  if (!document) return;
  WideString text;
  DisplayName(*document, text);
  if (document->Modified()) text.Append(u'*');
  text.Append(u"    ");
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(Wide(text.Text()));
  SendMessageW(Area().tabs, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
  // The editor's window text names its document for whoever looks on.
  WideString title;
  if (document->File().path.Empty()) {
    language_module::String(string_ids::kUntitled, title);
  } else {
    title.Assign(document->File().path.View());
  }
  SetWindowTextW(edit_control::WindowOf(*document), title.Empty() ? L"" : Wide(title.Text()));
  ResetCloseBoxHover();
}

void RefreshStatus() {
  Document* active = Frame().documents ? Set().Active() : nullptr;
  const unsigned encoding = active ? static_cast<unsigned>(active->File().encoding) : 0;
  const unsigned line_breaks = active ? static_cast<unsigned>(active->File().line_breaks) : 0;
  WideString text;
  language_module::String(string_ids::kEncodingNames + encoding, text, language_module::kLongStringLimit);
  SendMessageW(Area().status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text.Empty() ? L"" : Wide(text.Text())));
  language_module::String(string_ids::kLineBreakNames + line_breaks, text, language_module::kLongStringLimit);
  SendMessageW(Area().status, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(text.Empty() ? L"" : Wide(text.Text())));
}

}  // namespace tab_area

namespace document_tabs {

bool CreateArea(void* parent) {
  using namespace tab_area;
  HINSTANCE instance = static_cast<HINSTANCE>(Frame().program_module);
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kClassName;
  if (!RegisterClassExW(&window_class)) return false;
  State& state = Area();
  state.area = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 100,
                               100, static_cast<HWND>(parent),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kAreaId)), instance, nullptr);
  if (!state.area) return false;
  HFONT font = static_cast<HFONT>(Frame().ui_font);
  state.tabs = CreateTabStrip(state.area, instance, font);
  state.status = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | SBT_TOOLTIPS, L"", state.area, kStatusBarId);
  if (!state.tabs || !state.status) return false;
  SendMessageW(state.status, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  LayOut();
  return true;
}

void ApplyFontAndLanguage(void* font) {
  using namespace tab_area;
  if (!Area().tabs) return;
  SendMessageW(Area().tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(Area().status, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  Area().row_height = RowHeight(Area().tabs);
  const auto count = static_cast<std::int32_t>(SendMessageW(Area().tabs, TCM_GETITEMCOUNT, 0, 0));
  for (std::int32_t i = 0; i < count; ++i)
    if (Document* document = DocumentAt(i); document && document->File().path.Empty()) Retitle(i);
  RefreshStatus();
  LayOut();
}

void ShowStatusMessage(std::u16string_view text) {
  WideString terminated;
  terminated.Assign(text);
  SendMessageW(tab_area::Area().status, SB_SETTEXTW, 0,
               reinterpret_cast<LPARAM>(terminated.Empty() ? L"" : tab_area::Wide(terminated.Text())));
}

void PlaceArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (tab_area::Area().area) MoveWindow(tab_area::Area().area, x, y, width, height, TRUE);
}

std::int32_t TabRowHeight() { return tab_area::Area().row_height; }

}  // namespace document_tabs
