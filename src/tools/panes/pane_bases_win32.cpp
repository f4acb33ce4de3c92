#include "tools/panes/pane_bases_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string_view>

#include "base/frame_services_win32.h"
#include "editor/control/edit_control_win32.h"
#include "base/frame_state.h"
#include "settings/settings.h"
#include "tools/panes/splitter_limits.h"

namespace pane_bases {
namespace {

constexpr wchar_t kLeftClass[] = L"Vorndel_lbase_class";
constexpr wchar_t kRightClass[] = L"Vorndel_rbase_class";
constexpr WORD kSplitterCursor = 120;
constexpr int kPenWidth = 4;

struct Pane {
  HWND window = nullptr;
  PaneContent content = nullptr;
};
Pane panes[2];
LayOutClient lay_out = nullptr;
HCURSOR splitter_cursor = nullptr;

// The splitter: armed while the pointer is over a strip; during a drag the
// line's place (client-window x), the pointer's offset from it, the limit,
// and the device context with the previous pen.
struct SplitterDrag {
  bool armed = false;
  bool dragging = false;
  Side side = Side::kLeft;
  int line_x = 0;
  int offset = 0;
  int upper_limit = 0;
  HDC dc = nullptr;
  HPEN pen = nullptr;
  HGDIOBJ previous_pen = nullptr;
};
SplitterDrag drag;

Side SideOf(HWND window) { return window == panes[0].window ? Side::kLeft : Side::kRight; }
Pane& PaneOf(Side side) { return panes[side == Side::kLeft ? 0 : 1]; }

std::int32_t& WidthOf(Side side) {
  Settings& settings = ProcessSettings();
  return side == Side::kLeft ? settings.left_pane_width : settings.right_pane_width;
}

HWND Client(HWND base) { return GetParent(base); }

int ClientWidth(HWND base) {
  RECT client = {};
  GetClientRect(Client(base), &client);
  return client.right;
}

// The pointer over the strip at the pane's inner edge (screen x).
bool OverSplitter(HWND base, int screen_x) {
  RECT rect = {};
  GetWindowRect(base, &rect);
  if (SideOf(base) == Side::kLeft) return screen_x >= rect.right - splitter_limits::kStrip;
  return screen_x <= rect.left + splitter_limits::kStrip;
}

void Arm(HWND base, bool armed) {
  drag.armed = armed;
  if (!armed) return;
  SetCursor(splitter_cursor ? splitter_cursor : LoadCursorW(nullptr, IDC_SIZEWE));
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, base, 0};
  TrackMouseEvent(&track);
}

void DrawLine() {
  RECT client = {};
  GetClientRect(WindowFromDC(drag.dc), &client);
  MoveToEx(drag.dc, drag.line_x, 0, nullptr);
  LineTo(drag.dc, drag.line_x, client.bottom);
}

// Distance of the line from the pane's outer edge.
int Distance(HWND base) {
  return SideOf(base) == Side::kLeft ? drag.line_x : ClientWidth(base) - drag.line_x;
}

void StartDrag(HWND base, int client_x) {
  HWND client = Client(base);
  const Side side = SideOf(base);
  const int width = ClientWidth(base);
  drag.dc = GetDCEx(client, nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_PARENTCLIP);
  if (!drag.dc) return;
  SetCapture(base);
  SetROP2(drag.dc, R2_XORPEN);
  LOGBRUSH brush = {BS_SOLID, RGB(128, 128, 128), 0};
  drag.pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, kPenWidth, &brush, 0, nullptr);
  drag.previous_pen = SelectObject(drag.dc, drag.pen);
  drag.side = side;
  drag.line_x = side == Side::kLeft ? WidthOf(Side::kLeft) - 2 : width - WidthOf(Side::kRight) + 2;
  drag.offset = client_x - drag.line_x;
  drag.upper_limit =
      splitter_limits::UpperLimit(width, WidthOf(side == Side::kLeft ? Side::kRight : Side::kLeft));
  drag.dragging = true;
  DrawLine();
}

void MoveDrag(HWND base, int client_x) {
  DrawLine();
  const int width = ClientWidth(base);
  const int candidate = client_x - drag.offset;
  const int distance = SideOf(base) == Side::kLeft ? candidate : width - candidate;
  const int clamped = splitter_limits::Clamp(distance, drag.upper_limit);
  drag.line_x = SideOf(base) == Side::kLeft ? clamped : width - clamped;
  DrawLine();
}

// Ends a drag: the line erased and the drawing things given back; the new
// width taken only when the button came up (a lost capture keeps the old).
void EndDrag(HWND base, bool take_width) {
  if (!drag.dragging) return;
  drag.dragging = false;
  DrawLine();
  SelectObject(drag.dc, drag.previous_pen);
  DeleteObject(drag.pen);
  ReleaseDC(Client(base), drag.dc);
  drag.dc = nullptr;
  if (take_width) {
    WidthOf(SideOf(base)) = splitter_limits::PaneWidthAfterDrag(Distance(base));
    if (lay_out) lay_out();
  }
  if (GetCapture() == base) ReleaseCapture();
}

// Base coordinates to the client window's.
int ClientX(HWND base, LPARAM lparam) {
  POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  MapWindowPoints(base, Client(base), &point, 1);
  return point.x;
}

LRESULT CALLBACK Procedure(HWND base, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(base, &paint);
      FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      EndPaint(base, &paint);
      return 0;
    }
    case WM_SETCURSOR: {
      POINT point = {};
      GetCursorPos(&point);
      if (reinterpret_cast<HWND>(wparam) == base && OverSplitter(base, point.x)) {
        Arm(base, true);
        return TRUE;
      }
      drag.armed = false;
      break;
    }
    case WM_MOUSEMOVE:
      if (drag.dragging) {
        MoveDrag(base, ClientX(base, lparam));
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      if (drag.armed && !drag.dragging) {
        StartDrag(base, ClientX(base, lparam));
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (drag.dragging) {
        MoveDrag(base, ClientX(base, lparam));
        EndDrag(base, true);
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      // Alt+Tab or a message box took the mouse: the line goes, the width
      // stays.  Otherwise the content may be the one dragging.
      if (!drag.dragging) break;
      if (reinterpret_cast<HWND>(lparam) != base) EndDrag(base, false);
      return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_INITMENUPOPUP: {
      // The panes' context menus are owned here.
      LRESULT result = 0;
      if (frame_services::HandleMenuMessage(base, message, wparam, lparam, result)) return result;
      break;
    }
    case WM_MOUSELEAVE:
      if (!drag.dragging) drag.armed = false;
      return 0;
  }
  Pane& pane = PaneOf(SideOf(base));
  LRESULT result = 0;
  if (pane.content && pane.content(base, message, wparam, lparam, result)) return result;
  return DefWindowProcW(base, message, wparam, lparam);
}

bool Register(HINSTANCE instance, const wchar_t* name) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

HWND MakeBase(HWND client, const wchar_t* name, int id, bool shown) {
  const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (shown ? WS_VISIBLE : 0);
  return CreateWindowExW(0, name, L"", style, 0, 0, 0, 0, client, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(client, GWLP_HINSTANCE)), nullptr);
}

}  // namespace

void SetContent(Side side, PaneContent content) { PaneOf(side).content = content; }
void SetLayOut(LayOutClient layout) { lay_out = layout; }
HWND Base(Side side) { return PaneOf(side).window; }

bool Create(HWND client) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(client, GWLP_HINSTANCE));
  if (!Register(instance, kLeftClass) || !Register(instance, kRightClass)) return false;
  splitter_cursor = static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(kSplitterCursor), IMAGE_CURSOR, 0, 0,
                                                    LR_SHARED | LR_DEFAULTSIZE));
  const Settings& settings = ProcessSettings();
  panes[0].window = MakeBase(client, kLeftClass, kLeftId, settings.left_pane_shown);
  panes[1].window = MakeBase(client, kRightClass, kRightId, settings.right_pane_shown);
  return panes[0].window && panes[1].window;
}

HWND WheelTarget(POINT screen) {
  HWND under = WindowFromPoint(screen);
  if (!under || !IsWindowVisible(under)) return nullptr;
  const HWND parent = GetParent(under);
  if (parent != panes[0].window && parent != panes[1].window) return nullptr;
  wchar_t name[32] = {};
  GetClassNameW(under, name, 32);
  const std::wstring_view kind(name);
  return kind == WC_TREEVIEWW || kind == WC_LISTVIEWW ? under : nullptr;
}

bool RouteWheel(HWND receiver, WPARAM wparam, LPARAM lparam) {
  const POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  HWND under = WindowFromPoint(point);
  if (under == receiver) return false;
  Document* active = Frame().documents ? Frame().documents->Active() : nullptr;
  HWND editor = active ? edit_control::WindowOf(*active) : nullptr;
  if (under && (under == editor || under == WheelTarget(point))) SendMessageW(under, WM_MOUSEWHEEL, wparam, lparam);
  return true;
}

void Toggle(Side side) {
  Settings& settings = ProcessSettings();
  bool& shown = side == Side::kLeft ? settings.left_pane_shown : settings.right_pane_shown;
  HWND base = Base(side);
  if (shown && base && IsChild(base, GetFocus())) SetFocus(GetParent(GetParent(base)));
  shown = !shown;
  if (base) ShowWindow(base, shown ? SW_SHOW : SW_HIDE);
}

}  // namespace pane_bases
