#include "tools/tag_panel/tag_dialogs_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "base/language/language_dialog_win32.h"
#include "base/language/language_module.h"
#include "platform/window_text_win32.h"
#include "settings/settings.h"
#include "tools/tag_panel/tag_dialog_text.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace tag_dialogs {
namespace {

constexpr int kFolderName = 3011;
constexpr int kTagName = 3111;
constexpr int kStart = 3121;
constexpr int kEnd = 3131;
constexpr int kNote = 3141;
constexpr int kMove = 3151;
constexpr int kMoveSpin = 3152;
constexpr int kConfirmText = 3210;
constexpr unsigned kWarningCaption = 21120;
constexpr unsigned kNameMissing = 21121;

// What a dialog edits: a folder or a tag, never both.
struct Editing {
  unsigned title;
  TagFolder* folder;
  TagEntry* tag;
};

const wchar_t* Wide(const WideString& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

void SetText(HWND dialog, int id, const WideString& text) { SetDlgItemTextW(dialog, id, Wide(text)); }

void SetString(HWND window, unsigned id) {
  WideString text;
  language_module::String(id, text);
  SetWindowTextW(window, Wide(text));
}

bool ReadText(HWND dialog, int id, WideString& text) { return window_text::Read(dialog, id, text); }

bool ReadLines(HWND dialog, int id, WideString& text) {
  WideString shown;
  return ReadText(dialog, id, shown) && tag_dialog_text::FromShown(shown.View(), text);
}

void ShowLines(HWND dialog, int id, const WideString& text) {
  WideString shown;
  tag_dialog_text::ToShown(text.View(), shown);
  SetText(dialog, id, shown);
}

// The spin control's range holds a typed value once the field is left.
void HoldMoveInRange(HWND dialog) {
  BOOL number = FALSE;
  const int value = static_cast<int>(GetDlgItemInt(dialog, kMove, &number, TRUE));
  const int held = std::clamp(value, -tag_dialog_text::kMoveLimit, tag_dialog_text::kMoveLimit);
  if (number && held != value) SetDlgItemInt(dialog, kMove, static_cast<UINT>(held), TRUE);
}

void Fill(HWND dialog, const Editing& editing) {
  SetString(dialog, editing.title);
  if (editing.folder) {
    SetText(dialog, kFolderName, editing.folder->name);
    return;
  }
  const TagEntry& tag = *editing.tag;
  SendDlgItemMessageW(dialog, kNote, EM_LIMITTEXT, 0, 0);
  SetText(dialog, kTagName, tag.name);
  ShowLines(dialog, kStart, tag.start);
  ShowLines(dialog, kEnd, tag.end);
  // Start and end take at most kTextLimit characters as typed; a longer
  // text from the library file is shown whole and kept, never cut.
  for (int id : {kStart, kEnd}) {
    const auto shown = static_cast<WPARAM>(GetWindowTextLengthW(GetDlgItem(dialog, id)));
    SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, std::max<WPARAM>(shown, tag_dialog_text::kTextLimit), 0);
  }
  SetText(dialog, kNote, tag.note);
  SendDlgItemMessageW(dialog, kMoveSpin, UDM_SETRANGE32, static_cast<WPARAM>(-tag_dialog_text::kMoveLimit),
                      tag_dialog_text::kMoveLimit);
  SendDlgItemMessageW(dialog, kMoveSpin, UDM_SETPOS32, 0, tag.move);
  SetDlgItemInt(dialog, kMove, static_cast<UINT>(tag.move), TRUE);
}

// Reads every field into a fresh record, so that the one edited changes
// only when all of them could be read.
bool Store(HWND dialog, const Editing& editing) {
  if (editing.folder) {
    WideString name;
    if (!ReadText(dialog, kFolderName, name)) return false;
    editing.folder->name = std::move(name);
    return true;
  }
  TagEntry read;
  if (!ReadText(dialog, kTagName, read.name) || !ReadLines(dialog, kStart, read.start) ||
      !ReadLines(dialog, kEnd, read.end) || !ReadText(dialog, kNote, read.note))
    return false;
  BOOL number = FALSE;
  read.move = static_cast<std::int32_t>(GetDlgItemInt(dialog, kMove, &number, TRUE));
  if (!number) read.move = 0;
  TagEntry& tag = *editing.tag;
  tag.name = std::move(read.name);
  tag.start = std::move(read.start);
  tag.end = std::move(read.end);
  tag.note = std::move(read.note);
  tag.move = read.move;
  return true;
}

void WarnNameMissing(HWND dialog, int name_field) {
  WideString caption, text;
  language_module::String(kWarningCaption, caption);
  language_module::String(kNameMissing, text);
  MessageBoxW(dialog, Wide(text), Wide(caption), MB_OK | MB_ICONWARNING);
  SetFocus(GetDlgItem(dialog, name_field));
}

INT_PTR CALLBACK EditProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      Fill(dialog, *reinterpret_cast<const Editing*>(lparam));
      return TRUE;
    case WM_COMMAND: {
      const auto* editing = reinterpret_cast<const Editing*>(GetWindowLongPtrW(dialog, DWLP_USER));
      if (!editing) break;
      if (LOWORD(wparam) == kMove && HIWORD(wparam) == EN_KILLFOCUS) {
        HoldMoveInRange(dialog);
        return TRUE;
      }
      if (LOWORD(wparam) == IDOK) {
        const int name_field = editing->folder ? kFolderName : kTagName;
        if (GetWindowTextLengthW(GetDlgItem(dialog, name_field)) == 0) {
          WarnNameMissing(dialog, name_field);
          return TRUE;
        }
        EndDialog(dialog, Store(dialog, *editing) ? IDOK : IDCANCEL);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

INT_PTR CALLBACK ConfirmProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SetString(GetDlgItem(dialog, kConfirmText), static_cast<unsigned>(lparam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wparam));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

bool Run(unsigned id, HWND owner, DLGPROC procedure, LPARAM parameter) {
  return language_dialog::RunModal(id, owner, procedure, parameter, ProcessSettings().ui_font_height) == IDOK;
}

}  // namespace

bool EditFolder(HWND owner, unsigned title, TagFolder& folder) {
  Editing editing = {title, &folder, nullptr};
  return Run(kFolderTemplate, owner, EditProcedure, reinterpret_cast<LPARAM>(&editing));
}

bool EditTag(HWND owner, unsigned title, TagEntry& tag) {
  Editing editing = {title, nullptr, &tag};
  return Run(kTagTemplate, owner, EditProcedure, reinterpret_cast<LPARAM>(&editing));
}

bool Confirm(HWND owner, unsigned text) { return Run(kConfirmTemplate, owner, ConfirmProcedure, text); }

}  // namespace tag_dialogs
