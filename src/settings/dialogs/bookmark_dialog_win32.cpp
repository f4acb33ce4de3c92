#include "settings/dialogs/editing_dialogs_win32.h"

#include <array>
#include <vector>

#include "editor/control/document_set.h"
#include "base/frame_state.h"
#include "base/language/language_dialog_win32.h"
#include "settings/dialogs/bookmark_rows.h"
#include "platform/window_text_win32.h"
#include "settings/dialogs/dialog_fields_win32.h"
#include "settings/settings.h"

namespace editing_dialogs {
namespace {

constexpr unsigned kTemplate = 2500;
constexpr int kFirstName = 2520;
constexpr int kFirstPath = 2550;
constexpr int kFirstLine = 2580;
constexpr int kFirstClear = 2610;
constexpr int kClearAll = 2513;
constexpr int kRows = Settings::kListSlots;
constexpr int kLineDigits = 9;

void Fill(HWND dialog) {
  const std::vector<Bookmark>& bookmarks = ProcessSettings().bookmarks;
  for (int k = 0; k < kRows; ++k) {
    SendDlgItemMessageW(dialog, kFirstLine + k, EM_LIMITTEXT, kLineDigits, 0);
    if (static_cast<std::size_t>(k) >= bookmarks.size()) continue;
    const Bookmark& bookmark = bookmarks[static_cast<std::size_t>(k)];
    window_text::Show(dialog, kFirstPath + k, bookmark.path.View());
    SetDlgItemInt(dialog, kFirstLine + k, static_cast<UINT>(bookmark.line) + 1, FALSE);
    window_text::Show(dialog, kFirstName + k, bookmark.name.View());
  }
}

void ClearRow(HWND dialog, int row) {
  for (int first : {kFirstPath, kFirstLine, kFirstName}) SetDlgItemTextW(dialog, first + row, L"");
}

void MarkOpenDocuments(const std::vector<Bookmark>& bookmarks, bool marked) {
  DocumentSet& set = *Frame().documents;
  for (const Bookmark& bookmark : bookmarks) {
    Document* document = set.FindByPath(bookmark.path.View());
    if (!document) continue;
    if (marked)
      document->AddMarkedLine(bookmark.line);
    else
      document->RemoveMarkedLine(bookmark.line);
  }
}

// The menu's bookmark items are made from the list each time it opens.
void Apply(HWND dialog) {
  std::array<WideString, kRows> paths, lines, names;
  std::array<bookmark_rows::Row, kRows> rows;
  for (int k = 0; k < kRows; ++k) {
    if (!window_text::Read(dialog, kFirstPath + k, paths[k]) ||
        !window_text::Read(dialog, kFirstLine + k, lines[k]) ||
        !window_text::Read(dialog, kFirstName + k, names[k]))
      return;
    rows[k] = {paths[k].View(), lines[k].View(), names[k].View()};
  }
  std::vector<Bookmark> taken;
  if (!bookmark_rows::ToBookmarks(rows, taken)) return;
  std::vector<Bookmark>& bookmarks = ProcessSettings().bookmarks;
  MarkOpenDocuments(bookmarks, false);
  bookmarks = std::move(taken);
  MarkOpenDocuments(bookmarks, true);
  Frame().documents->RepaintActive();
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Fill(dialog);
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id >= kFirstClear && id < kFirstClear + kRows) {
        ClearRow(dialog, id - kFirstClear);
        return TRUE;
      }
      if (id == kClearAll) {
        for (int k = 0; k < kRows; ++k) ClearRow(dialog, k);
        return TRUE;
      }
      if (dialog_fields::EndedByCommand(dialog, id, Apply)) return TRUE;
      break;
    }
  }
  return FALSE;
}

}  // namespace

void EditBookmarks(HWND owner) {
  if (!Frame().documents) return;
  language_dialog::RunModal(kTemplate, owner, Procedure, 0, ProcessSettings().ui_font_height);
}

}  // namespace editing_dialogs
