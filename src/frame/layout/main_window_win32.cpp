#include "frame/layout/main_window.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "base/frame_services_win32.h"
#include "frame/documents/document_tabs.h"
#include "commands/command_ids.h"
#include "frame/commands/dispatcher_win32.h"
#include "editor/control/edit_control_win32.h"
#include "frame/layout/client_window_win32.h"
#include "frame/layout/find_box_items_win32.h"
#include "frame/layout/menu_hook_win32.h"
#include "frame/layout/popup_menus_win32.h"
#include "settings/menus/menus_win32.h"
#include "tools/file_browser/file_browser_win32.h"
#include "tools/tag_panel/tag_panel_win32.h"
#include "tools/toolbars/toolbars_win32.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "frame/startup/shutdown.h"
#include "frame/startup/single_instance_win32.h"
#include "base/language/string_ids.h"
#include "frame/startup/held_messages.h"
#include "frame/documents/recovery.h"
#include "frame/layout/window_placement.h"
#include "frame/startup/open_from_outside.h"
#include "tools/file_browser/file_list_win32.h"
#include "settings/settings.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace main_window {
namespace {

constexpr std::size_t kFaceLimit = 31;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = WS_EX_APPWINDOW | WS_EX_ACCEPTFILES;

HFONT ui_font = nullptr;

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
HWND Window() { return static_cast<HWND>(Frame().main_window); }
HINSTANCE Instance() { return static_cast<HINSTANCE>(Frame().program_module); }

HFONT CreateUiFont() {
  WideString face;
  language_module::String(string_ids::kUiFontFace, face);
  LOGFONTW font = {};
  font.lfHeight = ProcessSettings().ui_font_height;
  font.lfWeight = ProcessSettings().ui_font_weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  for (std::size_t i = 0; i < kFaceLimit && i < face.Length(); ++i) font.lfFaceName[i] = face.View()[i];
  return CreateFontIndirectW(&font);
}

// The saved rectangle fitted to the nearest monitor's work area, or the
// default one centred on it; as they are when the monitor is unknown.
window_placement::Rect Placement(bool settings_read) {
  const WindowPlacementSettings& saved = ProcessSettings().window;
  window_placement::Rect wanted = {0, 0, window_placement::kDefaultWidth, window_placement::kDefaultHeight};
  if (settings_read && !window_placement::Usable({saved.left, saved.top, saved.width, saved.height}))
    settings_read = false;
  if (settings_read) wanted = {saved.left, saved.top, saved.width, saved.height};
  RECT area = {wanted.left, wanted.top, wanted.left + wanted.width, wanted.top + wanted.height};
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor)) return wanted;
  const RECT& work = monitor.rcWork;
  if (settings_read) return window_placement::FitSaved(wanted, work.left, work.top, work.right, work.bottom);
  return window_placement::Centred(work.right - work.left, work.bottom - work.top);
}

// Alt+letter while no popup is open: the menu-bar button's menu.
LRESULT MenuCharacter(HWND window, WPARAM wparam, LPARAM lparam) {
  const std::uint16_t button = menu_navigation::ButtonOfLetter(static_cast<char16_t>(LOWORD(wparam)));
  if (!(HIWORD(wparam) & MF_SYSMENU) || menu_hook::State().open != 0 || button == 0)
    return DefWindowProcW(window, WM_MENUCHAR, wparam, lparam);
  PostMessageW(window, WM_APP, button, 0);
  return MAKELRESULT(0, MNC_CLOSE);
}

void MinimumTrackSize(MINMAXINFO& info) {
  RECT frame = {0, 0, client_window::MinimumClientWidth(), 0};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExtendedStyle);
  info.ptMinTrackSize.x = frame.right - frame.left;
}

// The services the panes, bars and dialogs ask of the frame.
void OfferServices() {
  frame_services::Services services;
  services.choose_from_context_menu = [](int popup, POINT screen, HWND owner) {
    return popup_menus::ChooseFromContextMenu(static_cast<menu_tables::Popup>(popup), screen, owner);
  };
  services.handle_menu_message = popup_menus::HandleMenuMessage;
  services.focus_active_document = document_tabs::FocusActive;
  services.tab_row_height = document_tabs::TabRowHeight;
  services.open_document = [](std::u16string_view path) {
    if (open_from_outside::OpenName(path) == document_opening::kFailed) return false;
    open_from_outside::Finish();
    return true;
  };
  services.apply_font_and_language = ApplyFontAndLanguage;
  services.refill_file_list = [] { file_list::Refill(); };
  services.refresh_tooltips = toolbars::RefreshTooltips;
  services.select_in_active_line = document_tabs::SelectInLine;
  services.show_status_message = document_tabs::ShowStatusMessage;
  frame_services::Set(services);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      Frame().main_window = window;
      if (!client_window::Create(window) || !menu_hook::Install(window) || !popup_menus::Create()) return -1;
      dispatcher::Start(&toolbars::Fields());
      OfferServices();
      return 0;
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) client_window::LayOut(window);
      return 0;
    case WM_GETMINMAXINFO:
      MinimumTrackSize(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_SETFOCUS:
      document_tabs::FocusActive();
      return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      document_tabs::FocusActive();
      break;
    case WM_ACTIVATEAPP:
      if (wparam) document_tabs::ApplicationActivated();
      break;
    case WM_DROPFILES:
      document_tabs::Drop(reinterpret_cast<HDROP>(wparam));
      return 0;
    case WM_NOTIFY: {
      const NMHDR& header = *reinterpret_cast<const NMHDR*>(lparam);
      LRESULT result = 0;
      if (header.idFrom == toolbars::kMenuBarId && header.code == TBN_HOTITEMCHANGE)
        return menu_hook::HotItemChanged(*reinterpret_cast<const NMTBHOTITEM*>(lparam));
      if (header.idFrom == toolbars::kMenuBarId && header.code == TBN_DROPDOWN) menu_hook::ItemHighlighted();
      if (toolbars::Notify(header, result)) return result;
      if (header.idFrom == toolbars::kRebarId && header.code == RBN_HEIGHTCHANGE) client_window::LayOut(window);
      return 0;
    }
    case WM_MENUCHAR:
      return MenuCharacter(window, wparam, lparam);
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_KEYMENU && lparam == 0) menu_hook::EnterKeyboardMode();
      break;
    case WM_MENUSELECT:
      if (lparam) menu_hook::ItemHighlighted();
      break;
    case WM_EXITMENULOOP:
      menu_hook::MenuLoopEnded();
      break;
    case WM_APP:
      // Only the seven menu-bar buttons have popups; anyone may post this.
      if (wparam >= command_ids::kFirstMenuButton && wparam <= command_ids::kLastMenuButton)
        popup_menus::OpenMenuBarPopup(static_cast<std::uint16_t>(wparam));
      return 0;
    case WM_DRAWITEM:
      // Control ids other than 0: the find bar passes its boxes' items on.
      if (wparam != 0 && reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)->CtlType == ODT_COMBOBOX) {
        find_box_items::Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        return TRUE;
      }
      [[fallthrough]];
    case WM_MEASUREITEM:
    case WM_INITMENUPOPUP: {
      LRESULT result = 0;
      if (popup_menus::HandleMenuMessage(window, message, wparam, lparam, result)) return result;
      break;
    }
    case WM_SETTINGCHANGE:
      menus::RemakeFont();
      if (Frame().documents) edit_control::FollowSystemSettings(*Frame().documents, Instance());
      break;
    case WM_COPYDATA:
      if (!held_messages::HandOver(window, reinterpret_cast<const COPYDATASTRUCT*>(lparam)))
        single_instance::Receive(reinterpret_cast<const COPYDATASTRUCT*>(lparam));
      return TRUE;
    case WM_COMMAND:
      if (!held_messages::Command(window, wparam)) dispatcher::Dispatch(wparam);
      return 0;
    case WM_CLOSE:
      if (held_messages::CloseRequest(window) || !shutdown::Run(false)) return 0;
      break;
    case WM_QUERYENDSESSION:
      return held_messages::SessionQuery();
    case WM_ENDSESSION:
      held_messages::SessionEnd(window, wparam != FALSE);
      return 0;
    case WM_ENABLE:
      held_messages::Enabled(window, wparam != FALSE);
      return 0;
    case held_messages::kRunHeld:
      return 0;
    case WM_TIMER:
      if (wparam == recovery::kTimerId) {
        recovery::Tick();
        return 0;
      }
      break;
    case WM_DESTROY:
      menu_hook::Remove();
      Frame().main_window = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

bool Create(bool settings_read, int show_command) {
  HINSTANCE instance = Instance();
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hIcon =
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(100), IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = Wide(kClassName);
  if (!RegisterClassExW(&window_class)) return false;

  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_COOL_CLASSES};
  InitCommonControlsEx(&controls);
  ui_font = CreateUiFont();
  Frame().ui_font = ui_font;
  const window_placement::Rect placement = Placement(settings_read);
  HWND window = CreateWindowExW(kExtendedStyle, Wide(kClassName), L"Vorndel", kStyle, placement.left, placement.top,
                                placement.width, placement.height, nullptr, nullptr, instance, nullptr);
  if (!window) return false;
  client_window::LayOut(window);
  // Only the saved state maximises; a maximise request from whoever started
  // the program does not.
  const bool maximise = ProcessSettings().window.maximised && show_command != SW_SHOWMAXIMIZED &&
                        show_command != SW_SHOWMINNOACTIVE;
  ShowWindow(window, maximise ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  UpdateWindow(window);
  return true;
}

void SavePlacement() {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!Window() || !GetWindowPlacement(Window(), &placement)) return;
  WindowPlacementSettings& saved = ProcessSettings().window;
  const RECT& normal = placement.rcNormalPosition;
  saved.maximised = placement.showCmd == SW_SHOWMAXIMIZED;
  saved.left = normal.left;
  saved.top = normal.top;
  saved.width = normal.right - normal.left;
  saved.height = normal.bottom - normal.top;
}

void ApplyFontAndLanguage() {
  HFONT font = CreateUiFont();
  // Without a new font every user keeps the one it has.
  if (!font) return;
  HFONT old = ui_font;
  ui_font = font;
  Frame().ui_font = font;
  // The document area first: the tag panel takes its tab-row height.
  document_tabs::ApplyFontAndLanguage(font);
  file_browser::ApplyFontAndLanguage(font);
  tag_panel::ApplyFontAndLanguage(font);
  toolbars::ApplyFontAndLanguage(font);
  menus::Rebuild();
  if (Window()) client_window::LayOut(Window());
  if (old) DeleteObject(old);
}

void DeleteUiFont() {
  if (ui_font) DeleteObject(ui_font);
  ui_font = nullptr;
  Frame().ui_font = nullptr;
}

}  // namespace main_window
