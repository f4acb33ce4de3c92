#include "settings/dialogs/editing_dialogs_win32.h"

#include <commctrl.h>

#include <vector>

#include "editor/control/document_set.h"
#include "base/frame_state.h"
#include "base/language/language_dialog_win32.h"
#include "platform/window_text_win32.h"
#include "settings/dialogs/dialog_fields_win32.h"
#include "settings/dialogs/font_fields.h"
#include "settings/editor_options.h"
#include "settings/settings.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace editing_dialogs {
namespace {

constexpr unsigned kTemplate = 2300;
constexpr int kFace = 2310;
constexpr int kAutoIndent = 2350;
constexpr int kDigits = 2;

// Each number field is followed by its spin control and its range label.
struct NumberField {
  int edit;
  font_fields::Range range;
};
constexpr NumberField kSize = {2321, font_fields::kSize};
constexpr NumberField kLineSpacing = {2331, font_fields::kLineSpacing};
constexpr NumberField kTabWidth = {2341, font_fields::kTabWidth};
constexpr NumberField kNumbers[] = {kSize, kLineSpacing, kTabWidth};

const wchar_t* Wide(const WideString& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

int CALLBACK OfferFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD font_type, LPARAM faces) {
  font_fields::Offer(*reinterpret_cast<std::vector<WideString>*>(faces),
                     reinterpret_cast<const char16_t*>(font->lfFaceName), font_type, font->lfPitchAndFamily);
  return 1;
}

void FillFaces(HWND dialog, const WideString& in_use) {
  std::vector<WideString> faces;
  LOGFONTW wanted = {};
  wanted.lfCharSet = DEFAULT_CHARSET;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, OfferFace, reinterpret_cast<LPARAM>(&faces), 0);
  ReleaseDC(nullptr, screen);
  HWND combo = GetDlgItem(dialog, kFace);
  for (const WideString& face : faces) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(face)));
  const LRESULT found = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(Wide(in_use)));
  if (found != CB_ERR) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void FillNumber(HWND dialog, const NumberField& field, std::int32_t value) {
  SendDlgItemMessageW(dialog, field.edit, EM_LIMITTEXT, kDigits, 0);
  SendDlgItemMessageW(dialog, field.edit + 1, UDM_SETRANGE32, static_cast<WPARAM>(field.range.low), field.range.high);
  SendDlgItemMessageW(dialog, field.edit + 1, UDM_SETPOS32, 0, value);
  SetDlgItemInt(dialog, field.edit, static_cast<UINT>(value), FALSE);
  WideString label;
  if (font_fields::RangeLabel(field.range, label)) window_text::Show(dialog, field.edit + 2, label.View());
}

void Fill(HWND dialog) {
  DocumentSet& set = *Frame().documents;
  const TextMetrics& metrics = set.Metrics();
  WideString face;
  face.Assign(metrics.FaceName());
  FillFaces(dialog, face);
  FillNumber(dialog, kSize, metrics.FontSize());
  FillNumber(dialog, kLineSpacing, metrics.LineSpacing());
  FillNumber(dialog, kTabWidth, metrics.TabWidth());
  CheckDlgButton(dialog, kAutoIndent, set.Settings().auto_indent ? BST_CHECKED : BST_UNCHECKED);
}

std::int32_t Held(HWND dialog, const NumberField& field) {
  return dialog_fields::HoldInRange(dialog, field.edit, field.range.low, field.range.high);
}

// A face name the list does not hold (nothing selected) keeps the face in
// use.
void ReadFace(HWND dialog, WideString& face) {
  HWND combo = GetDlgItem(dialog, kFace);
  const LRESULT chosen = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (chosen == CB_ERR) return;
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(chosen), 0);
  WideString text;
  if (length == CB_ERR || !text.Reserve(static_cast<std::uint32_t>(length))) return;
  const LRESULT read = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(chosen),
                                    reinterpret_cast<LPARAM>(text.Data()));
  if (read == CB_ERR) return;
  text.SetLength(static_cast<std::uint32_t>(read));
  face.Assign(font_fields::FaceName(text.View()));
}

void Apply(HWND dialog) {
  DocumentSet& set = *Frame().documents;
  Settings& settings = ProcessSettings();
  // The view commands change only the shared editor state: it goes into
  // the record first, so that applying the record keeps their switches.
  editor_options::Store(set.Settings(), set.Metrics(), settings);
  ReadFace(dialog, settings.font_face);
  settings.font_size = Held(dialog, kSize);
  settings.line_spacing = Held(dialog, kLineSpacing);
  settings.tab_width = Held(dialog, kTabWidth);
  settings.auto_indent = IsDlgButtonChecked(dialog, kAutoIndent) == BST_CHECKED;
  editor_options::Apply(settings, set.Settings(), set.Metrics());
  set.RebuildFonts();
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Fill(dialog);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wparam) == EN_KILLFOCUS) {
        for (const NumberField& field : kNumbers)
          if (LOWORD(wparam) == field.edit) Held(dialog, field);
        return TRUE;
      }
      if (dialog_fields::EndedByCommand(dialog, LOWORD(wparam), Apply)) return TRUE;
      break;
  }
  return FALSE;
}

}  // namespace

void EditFont(HWND owner) {
  if (!Frame().documents) return;
  language_dialog::RunModal(kTemplate, owner, Procedure, 0, ProcessSettings().ui_font_height);
}

}  // namespace editing_dialogs
