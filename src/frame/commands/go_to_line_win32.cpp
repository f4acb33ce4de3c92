#include <windows.h>

#include "frame/commands/go_to_line.h"
#include "frame/documents/document_tabs.h"
#include "base/frame_state.h"
#include "base/language/language_dialog_win32.h"
#include "settings/settings.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace go_to_line {
namespace {

constexpr unsigned kTemplate = 2200;
constexpr int kLineField = 2220;
constexpr int kDigits = 6;

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SendDlgItemMessageW(dialog, kLineField, EM_LIMITTEXT, kDigits, 0);
      SetDlgItemInt(dialog, kLineField, static_cast<UINT>(lparam), FALSE);
      SendDlgItemMessageW(dialog, kLineField, EM_SETSEL, 0, -1);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        wchar_t text[kDigits + 2] = {};
        GetDlgItemTextW(dialog, kLineField, text, kDigits + 1);
        EndDialog(dialog, LineIndexFromText(reinterpret_cast<const char16_t*>(text)));
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, -1);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

void Run() {
  Document* active = Frame().documents ? Frame().documents->Active() : nullptr;
  if (!active) return;
  const INT_PTR line = language_dialog::RunModal(kTemplate, static_cast<HWND>(Frame().main_window), Procedure,
                                                 active->Selection().caret.line + 1, ProcessSettings().ui_font_height);
  if (line >= 0) document_tabs::GoToLine(static_cast<std::int32_t>(line));
  document_tabs::FocusActive();
}

}  // namespace go_to_line
