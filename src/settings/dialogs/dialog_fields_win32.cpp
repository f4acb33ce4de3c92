#include "settings/dialogs/dialog_fields_win32.h"

#include "platform/window_text_win32.h"
#include "settings/dialogs/number_field.h"

namespace dialog_fields {

std::int32_t HoldInRange(HWND dialog, int id, std::int32_t low, std::int32_t high) {
  WideString typed;
  const std::int32_t held =
      window_text::Read(dialog, id, typed) ? number_field::ReadClamped(typed.View(), low, high) : low;
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
