#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>

#include "frame/documents/document_tabs.h"
#include "frame/documents/tab_area_win32.h"

namespace tab_area {
namespace {

constexpr int kBoxSize = 11;
constexpr int kBoxFromRight = 4;
constexpr int kDragThreshold = 6;
constexpr int kHitInset = 9;
constexpr UINT_PTR kSubclassId = 1;

// What the mouse does on the strip: the close box under it and the one
// pressed (tab indexes, -1 none), and a possible or running tab drag.
struct StripMouse {
  std::int32_t hover_box = -1;
  std::int32_t pressed_box = -1;
  bool tracking_leave = false;
  bool drag_pending = false;
  bool dragging = false;
  int drag_x = 0;
};
StripMouse mouse;

RECT ItemRect(HWND tabs, std::int32_t index) {
  RECT rect = {};
  SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

RECT CloseBox(const RECT& item) {
  const LONG right = item.right - kBoxFromRight;
  const LONG top = item.top + (item.bottom - item.top - kBoxSize) / 2;
  return {right - kBoxSize, top, right, top + kBoxSize};
}

std::int32_t ItemCount(HWND tabs) { return static_cast<std::int32_t>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)); }

// The tab whose close box holds the point; -1 when none does.
std::int32_t BoxAt(HWND tabs, POINT point) {
  for (std::int32_t i = 0; i < ItemCount(tabs); ++i) {
    const RECT box = CloseBox(ItemRect(tabs, i));
    if (PtInRect(&box, point)) return i;
  }
  return -1;
}

void DrawBoxes(HWND tabs) {
  HDC dc = GetDC(tabs);
  if (!dc) return;
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
  HGDIOBJ old_pen = SelectObject(dc, pen);
  for (std::int32_t i = 0; i < ItemCount(tabs); ++i) {
    const RECT box = CloseBox(ItemRect(tabs, i));
    COLORREF fill = RGB(190, 190, 190);
    if (i == mouse.pressed_box) {
      fill = RGB(0, 0, 0);
    } else if (i == mouse.hover_box) {
      fill = RGB(128, 128, 128);
    }
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
    MoveToEx(dc, box.left + 2, box.top + 2, nullptr);
    LineTo(dc, box.right - 3, box.bottom - 3);
    MoveToEx(dc, box.right - 3, box.top + 2, nullptr);
    LineTo(dc, box.left + 2, box.bottom - 3);
  }
  SelectObject(dc, old_pen);
  DeleteObject(pen);
  ReleaseDC(tabs, dc);
}

void SetHover(HWND tabs, std::int32_t box) {
  if (box == mouse.hover_box) return;
  mouse.hover_box = box;
  InvalidateRect(tabs, nullptr, FALSE);
}

// The tab a dragged tab would take the place of: each candidate's rectangle
// narrowed so that the drag does not flip back and forth between neighbours
// of different widths.
std::int32_t DropIndex(HWND tabs, int x) {
  const RECT dragged = ItemRect(tabs, Selected());
  const LONG dragged_width = dragged.right - dragged.left;
  for (std::int32_t i = 0; i < ItemCount(tabs); ++i) {
    const RECT item = ItemRect(tabs, i);
    LONG left = item.left + kHitInset;
    LONG right = item.right - kHitInset;
    const LONG width = item.right - item.left;
    if (width > dragged_width) {
      left += (width - dragged_width) / 2;
      right -= (width - dragged_width) / 2;
    }
    if (x >= left && x < right) return i;
  }
  return -1;
}

void DragTo(HWND tabs, int x) {
  RECT client = {};
  GetClientRect(tabs, &client);
  x = x < 0 ? 0 : (x > client.right ? client.right : x);
  const std::int32_t target = DropIndex(tabs, x);
  if (target >= 0 && target != Selected()) MoveSelectedTab(target);
}

void EndPress() {
  mouse.drag_pending = false;
  mouse.dragging = false;
  mouse.pressed_box = -1;
}

LRESULT CALLBACK StripProcedure(HWND tabs, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  const POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  switch (message) {
    case WM_PAINT: {
      const LRESULT result = DefSubclassProc(tabs, message, wparam, lparam);
      DrawBoxes(tabs);
      return result;
    }
    case WM_MOUSEMOVE: {
      if (!mouse.tracking_leave) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, tabs, 0};
        mouse.tracking_leave = TrackMouseEvent(&track) != FALSE;
      }
      if (mouse.pressed_box < 0) SetHover(tabs, BoxAt(tabs, point));
      if (mouse.drag_pending && (wparam & MK_LBUTTON) && std::abs(point.x - mouse.drag_x) >= kDragThreshold)
        mouse.dragging = true;
      if (mouse.dragging) DragTo(tabs, point.x);
      break;
    }
    case WM_MOUSELEAVE:
      mouse.tracking_leave = false;
      SetHover(tabs, -1);
      return 0;
    case WM_LBUTTONDOWN: {
      document_tabs::FocusActive();
      const std::int32_t box = BoxAt(tabs, point);
      if (box >= 0) {
        mouse.pressed_box = box;
        SetCapture(tabs);
        InvalidateRect(tabs, nullptr, FALSE);
        return 0;
      }
      const LRESULT result = DefSubclassProc(tabs, message, wparam, lparam);
      // Selecting the tab may have asked about an outside change: the
      // button came up inside that box, and a capture taken now would
      // swallow the next click elsewhere.
      if (GetKeyState(VK_LBUTTON) >= 0) return result;
      mouse.drag_pending = true;
      mouse.drag_x = point.x;
      SetCapture(tabs);
      return result;
    }
    case WM_LBUTTONUP: {
      const std::int32_t pressed = mouse.pressed_box;
      EndPress();
      // The capture goes before the close's prompt can show.
      if (GetCapture() == tabs) ReleaseCapture();
      InvalidateRect(tabs, nullptr, FALSE);
      if (pressed >= 0 && BoxAt(tabs, point) == pressed) CloseTab(pressed, true, false);
      return 0;
    }
    case WM_CAPTURECHANGED:
      EndPress();
      InvalidateRect(tabs, nullptr, FALSE);
      break;
    case WM_RBUTTONDOWN: {
      TCHITTESTINFO hit = {point, 0};
      const auto index = static_cast<std::int32_t>(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      if (index >= 0 && index != Selected()) Activate(index, false);
      return 0;
    }
  }
  return DefSubclassProc(tabs, message, wparam, lparam);
}

}  // namespace

void SubclassTabStrip(HWND tabs) { SetWindowSubclass(tabs, StripProcedure, kSubclassId, 0); }

void ResetCloseBoxHover() {
  mouse.hover_box = -1;
  if (Area().tabs) InvalidateRect(Area().tabs, nullptr, FALSE);
}

}  // namespace tab_area
