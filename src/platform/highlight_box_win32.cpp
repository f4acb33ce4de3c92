#include "platform/highlight_box_win32.h"

namespace highlight_box {

void Draw(HDC dc, const RECT& area) {
  HBRUSH fill = CreateSolidBrush(kFill);
  HPEN outline = CreatePen(PS_SOLID, 1, kOutline);
  HGDIOBJ old_brush = SelectObject(dc, fill);
  HGDIOBJ old_pen = SelectObject(dc, outline);
  Rectangle(dc, area.left, area.top, area.right, area.bottom);
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(outline);
  DeleteObject(fill);
}

}  // namespace highlight_box
