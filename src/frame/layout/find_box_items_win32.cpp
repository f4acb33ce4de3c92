#include "frame/layout/find_box_items_win32.h"

#include <vector>

#include "base/frame_state.h"
#include "platform/highlight_box_win32.h"

namespace find_box_items {

void Draw(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  if (item.itemState & ODS_SELECTED) {
    highlight_box::Draw(dc, rect);
  } else {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOW));
  }
  const auto length = static_cast<int>(SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0));
  if (length < 0) return;
  std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, 0);
  SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
  HGDIOBJ old_font = SelectObject(dc, static_cast<HFONT>(Frame().ui_font));
  rect.left += 2;
  DrawTextW(dc, text.data(), length, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old_font);
}

}  // namespace find_box_items
