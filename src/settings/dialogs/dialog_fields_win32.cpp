#include "settings/dialogs/dialog_fields.h"

#include <algorithm>

#include "settings/dialogs/number_field.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace dialog_fields {

bool ReadText(HWND dialog, int id, WideString& text) {
  HWND field = GetDlgItem(dialog, id);
  const int length = std::max(GetWindowTextLengthW(field), 0);
  if (!text.Reserve(static_cast<std::uint32_t>(length))) return false;
  const int read = length > 0 ? GetWindowTextW(field, reinterpret_cast<wchar_t*>(text.Data()), length + 1) : 0;
  text.SetLength(static_cast<std::uint32_t>(std::clamp(read, 0, length)));
  return true;
}

void ShowText(HWND dialog, int id, const WideString& text) {
  SetDlgItemTextW(dialog, id, reinterpret_cast<const wchar_t*>(text.Text()));
}

std::int32_t HoldInRange(HWND dialog, int id, std::int32_t low, std::int32_t high) {
  WideString typed;
  const std::int32_t held = ReadText(dialog, id, typed) ? number_field::ReadClamped(typed.View(), low, high) : low;
  BOOL number = FALSE;
  const UINT shown = GetDlgItemInt(dialog, id, &number, FALSE);
  if (!number || shown != static_cast<UINT>(held)) SetDlgItemInt(dialog, id, static_cast<UINT>(held), FALSE);
  return held;
}

bool EndedByCommand(HWND dialog, int command, void (*apply)(HWND dialog)) {
  if (command != IDOK && command != IDCANCEL) return false;
  if (command == IDOK) apply(dialog);
  EndDialog(dialog, command);
  return true;
}

}  // namespace dialog_fields
