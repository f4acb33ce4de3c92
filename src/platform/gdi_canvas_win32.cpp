#include <windows.h>

#include "platform/gdi_canvas.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");
static_assert(sizeof(INT) == sizeof(std::int32_t), "advances are passed to GDI as they are");

namespace platform {
namespace {

HDC Dc(void* context) { return static_cast<HDC>(context); }

}  // namespace

GdiCanvas::GdiCanvas(void* device_context, const Font& normal, const Font* bold, std::int32_t text_height)
    : device_context_(device_context),
      normal_font_(normal.NativeHandle()),
      bold_font_(bold ? bold->NativeHandle() : normal.NativeHandle()),
      text_height_(text_height),
      saved_state_(SaveDC(Dc(device_context))) {
  SetTextAlign(Dc(device_context_), TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetBkMode(Dc(device_context_), OPAQUE);
  SelectObject(Dc(device_context_), GetStockObject(DC_PEN));
}

GdiCanvas::~GdiCanvas() {
  if (saved_state_ != 0) RestoreDC(Dc(device_context_), saved_state_);
}

void GdiCanvas::DrawText(std::int32_t x, std::int32_t y, const char16_t* units, std::int32_t count,
                         const std::int32_t* advances, const TextStyle& style) {
  if (count <= 0) return;
  HDC dc = Dc(device_context_);
  std::int32_t width = 0;
  for (std::int32_t i = 0; i < count; ++i) width += advances[i];
  SelectObject(dc, static_cast<HFONT>(style.bold ? bold_font_ : normal_font_));
  SetTextColor(dc, style.text);
  SetBkColor(dc, style.background);
  // The opaque rectangle is the run's cells, whatever the glyphs cover.
  const RECT cells{x, y, x + width, y + text_height_};
  ExtTextOutW(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &cells, reinterpret_cast<const wchar_t*>(units),
              static_cast<UINT>(count), reinterpret_cast<const INT*>(advances));
}

void GdiCanvas::FillRect(const CanvasRect& rect, Colour colour) {
  if (rect.Empty()) return;
  HDC dc = Dc(device_context_);
  SetBkColor(dc, colour);
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void GdiCanvas::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour) {
  HDC dc = Dc(device_context_);
  SetDCPenColor(dc, colour);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

}  // namespace platform
