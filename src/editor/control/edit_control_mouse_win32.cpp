#include "editor/control/edit_control_mouse_win32.h"

#include <windowsx.h>

#include "editor/control/edit_control_win32.h"
#include "editor/editing/editor_notify.h"

namespace edit_control {
namespace {

PointerPoint PointOf(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

std::uint32_t FlagsOf(WPARAM wparam) { return GET_KEYSTATE_WPARAM(wparam); }

bool SetHoverCursor(HWND window, Document& document, WPARAM wparam, LPARAM lparam) {
  EditorCursor cursor;
  if (reinterpret_cast<HWND>(wparam) != window || LOWORD(lparam) != HTCLIENT || !document.HoverCursor(cursor))
    return false;
  auto* handle = static_cast<HCURSOR>(document.Settings().cursors[cursor]);
  if (!handle) return false;
  SetCursor(handle);
  return true;
}

}  // namespace

bool HandleMouseMessage(HWND window, Document& document, UINT message, WPARAM wparam, LPARAM lparam,
                        LRESULT& result) {
  result = 0;
  // The document may be gone once a handler returns (a mouse command can
  // close it): nothing here touches it afterwards.
  switch (message) {
    case WM_LBUTTONDOWN: document.LeftButtonDown(PointOf(lparam), FlagsOf(wparam)); return true;
    case WM_LBUTTONUP: document.LeftButtonUp(PointOf(lparam), FlagsOf(wparam)); return true;
    case WM_LBUTTONDBLCLK: document.LeftDoubleClick(FlagsOf(wparam)); return true;
    case WM_RBUTTONDOWN: document.RightButtonDown(PointOf(lparam), FlagsOf(wparam)); return true;
    case WM_RBUTTONUP:
      // A plain right click: the default handling asks for the context menu.
      if (document.RightButtonUp()) result = DefWindowProcW(window, message, wparam, lparam);
      return true;
    case WM_MBUTTONDOWN: document.MiddleButtonDown(FlagsOf(wparam)); return true;
    case WM_XBUTTONDOWN:
      document.ExtraButtonDown(GET_XBUTTON_WPARAM(wparam) == XBUTTON1 ? 1 : 2, FlagsOf(wparam));
      result = TRUE;
      return true;
    case WM_MOUSEMOVE: document.PointerMoved(PointOf(lparam), FlagsOf(wparam)); return true;
    case WM_MOUSELEAVE:
      document.PointerLeft();
      result = DefWindowProcW(window, message, wparam, lparam);
      return true;
    case WM_SETCURSOR:
      result = SetHoverCursor(window, document, wparam, lparam) ? TRUE : DefWindowProcW(window, message, wparam, lparam);
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != window) document.PointerCaptureLost();
      return true;
    case EDN_AUTOSCROLL: document.AutoScrollStep(); return true;
    default: return false;
  }
}

void LoadCursors(EditorSettings& settings, HINSTANCE program) {
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  struct ProgramCursor {
    EditorCursor slot;
    int id;
  };
  static constexpr ProgramCursor kProgramCursors[] = {
      {kCursorMargin, 110}, {kCursorMove, 111}, {kCursorCopy, 112}, {EditorCursor(kCursorGestureLeft), 113},
      {EditorCursor(kCursorGestureLeft + 1), 114}, {EditorCursor(kCursorGestureLeft + 2), 115},
      {EditorCursor(kCursorGestureLeft + 3), 116}};
  settings.cursors[kCursorArrow] = arrow;
  settings.cursors[kCursorNo] = LoadCursorW(nullptr, IDC_NO);
  for (const ProgramCursor& cursor : kProgramCursors) {
    HCURSOR loaded = program ? LoadCursorW(program, MAKEINTRESOURCEW(cursor.id)) : nullptr;
    settings.cursors[cursor.slot] = loaded ? loaded : arrow;
  }
}

std::int32_t DropPoint(Document& document, HWND from, POINT point) {
  HWND window = WindowOf(document);
  if (!window) return 1;
  MapWindowPoints(from, window, &point, 1);
  const std::int32_t answer = document.DropPoint({point.x, point.y});
  if (answer == 1) SetFocus(from);
  return answer;
}

}  // namespace edit_control
