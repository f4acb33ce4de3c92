#include "frame/layout/client_window_win32.h"

#include <commctrl.h>

#include "frame/documents/document_tabs.h"
#include "base/frame_state.h"
#include "frame/layout/frame_geometry.h"
#include "settings/settings.h"
#include "tools/file_browser/file_browser_win32.h"
#include "tools/panes/pane_bases_win32.h"
#include "tools/tag_panel/tag_panel_win32.h"
#include "tools/toolbars/toolbars_win32.h"

namespace client_window {
namespace {

constexpr wchar_t kBorderClass[] = L"Vorndel_border_class";
constexpr wchar_t kClientClass[] = L"Vorndel_client_class";
constexpr COLORREF kBorderColour = RGB(220, 220, 220);

HWND rebar = nullptr;
HWND border = nullptr;
HWND client = nullptr;

frame_geometry::Panes PaneSettings() {
  const Settings& settings = ProcessSettings();
  return {settings.left_pane_width, settings.right_pane_width, settings.left_pane_shown, settings.right_pane_shown};
}

void Fill(HWND window, HBRUSH brush) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  FillRect(dc, &paint.rcPaint, brush);
  EndPaint(window, &paint);
}

LRESULT CALLBACK BorderProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    HBRUSH brush = CreateSolidBrush(kBorderColour);
    Fill(window, brush);
    DeleteObject(brush);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK ClientProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Fill(window, GetSysColorBrush(COLOR_BTNFACE));
      return 0;
    case WM_SIZE:
      LayOutClient();
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool Register(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

HWND Child(HWND parent, const wchar_t* name, DWORD style, int id, HINSTANCE instance) {
  return CreateWindowExW(0, name, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void Place(HWND window, const frame_geometry::Box& box) {
  MoveWindow(window, box.x, box.y, box.width, box.height, TRUE);
}

}  // namespace

bool Create(HWND main_window) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(main_window, GWLP_HINSTANCE));
  if (!Register(instance, kBorderClass, BorderProcedure) || !Register(instance, kClientClass, ClientProcedure))
    return false;
  if (!toolbars::Create(main_window, static_cast<HFONT>(Frame().ui_font))) return false;
  rebar = toolbars::Rebar();
  border = Child(main_window, kBorderClass, 0, kBorderId, instance);
  client = Child(main_window, kClientClass, WS_CLIPCHILDREN, kClientId, instance);
  if (!rebar || !border || !client) return false;
  pane_bases::SetLayOut(LayOutClient);
  if (!pane_bases::Create(client)) return false;
  pane_bases::SetContent(pane_bases::Side::kLeft, file_browser::HandleMessage);
  return file_browser::Create(pane_bases::Base(pane_bases::Side::kLeft)) &&
         tag_panel::Create(pane_bases::Base(pane_bases::Side::kRight)) && document_tabs::CreateArea(client);
}

void LayOut(HWND main_window) {
  RECT area = {};
  GetClientRect(main_window, &area);
  SendMessageW(rebar, WM_SIZE, 0, MAKELPARAM(area.right, area.bottom));
  toolbars::FillRows();
  RECT bar = {};
  GetWindowRect(rebar, &bar);
  const int top = bar.bottom - bar.top;
  MoveWindow(border, 0, top, area.right, 1, TRUE);
  MoveWindow(client, 0, top + 1, area.right, area.bottom > top + 1 ? area.bottom - top - 1 : 0, TRUE);
}

void LayOutClient() {
  if (!client) return;
  RECT area = {};
  GetClientRect(client, &area);
  const frame_geometry::ClientLayout layout = frame_geometry::LayOutClient(area.right, area.bottom, PaneSettings());
  Place(pane_bases::Base(pane_bases::Side::kLeft), layout.left);
  Place(pane_bases::Base(pane_bases::Side::kRight), layout.right);
  document_tabs::PlaceArea(layout.middle.x, layout.middle.y, layout.middle.width, layout.middle.height);
}

int MinimumClientWidth() { return frame_geometry::MinimumClientWidth(PaneSettings()); }

}  // namespace client_window
