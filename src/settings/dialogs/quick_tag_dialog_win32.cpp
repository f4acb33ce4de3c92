#include "settings/dialogs/editing_dialogs_win32.h"

#include <array>

#include "base/language/language_dialog_win32.h"
#include "platform/window_text_win32.h"
#include "settings/dialogs/dialog_fields_win32.h"
#include "settings/settings.h"

namespace editing_dialogs {
namespace {

constexpr unsigned kTemplate = 2700;
constexpr int kFirstLabel = 2740;
constexpr int kFirstStart = 2780;
constexpr int kFirstEnd = 2800;
constexpr int kFirstClear = 2760;
constexpr int kClearedRows = 10;
constexpr int kRows = Settings::kListSlots;
constexpr int kTextLimit = 259;

using QuickTags = std::array<QuickTag, Settings::kListSlots>;

void Fill(HWND dialog) {
  const QuickTags& tags = ProcessSettings().quick_tags;
  for (int k = 0; k < kRows; ++k) {
    for (int first : {kFirstLabel, kFirstStart, kFirstEnd})
      SendDlgItemMessageW(dialog, first + k, EM_LIMITTEXT, kTextLimit, 0);
    window_text::Show(dialog, kFirstLabel + k, tags[k].label.View());
    window_text::Show(dialog, kFirstStart + k, tags[k].start_text.View());
    window_text::Show(dialog, kFirstEnd + k, tags[k].end_text.View());
  }
}

// The menu's quick-tag items are made from the record each time it opens.
void Apply(HWND dialog) {
  QuickTags read;
  for (int k = 0; k < kRows; ++k) {
    if (!window_text::Read(dialog, kFirstLabel + k, read[k].label) ||
        !window_text::Read(dialog, kFirstStart + k, read[k].start_text) ||
        !window_text::Read(dialog, kFirstEnd + k, read[k].end_text))
      return;
  }
  ProcessSettings().quick_tags = std::move(read);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Fill(dialog);
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id >= kFirstClear && id < kFirstClear + kClearedRows) {
        for (int first : {kFirstLabel, kFirstStart, kFirstEnd}) SetDlgItemTextW(dialog, first + id - kFirstClear, L"");
        return TRUE;
      }
      if (dialog_fields::EndedByCommand(dialog, id, Apply)) return TRUE;
      break;
    }
  }
  return FALSE;
}

}  // namespace

void EditQuickTags(HWND owner) {
  language_dialog::RunModal(kTemplate, owner, Procedure, 0, ProcessSettings().ui_font_height);
}

}  // namespace editing_dialogs
