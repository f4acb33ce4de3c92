#include "base/frame_services_win32.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "platform/window_text_win32.h"
#include "settings/dialogs/dialog_fields_win32.h"
#include "settings/dialogs/editing_dialogs_win32.h"
#include "settings/options/extension_lists.h"
#include "settings/options/option_pages_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace editing_page {
namespace {

constexpr int kEncoding = 1211, kLineBreak = 1213;
constexpr int kDocumentExtensions = 1231, kImageExtensions = 1241;
constexpr int kWheelStep = 1251, kWheelSpin = 1252;
constexpr int kWheelDigits = 2, kWheelLowest = 1, kWheelHighest = 99;
constexpr int kFont = 1260, kColours = 1261, kBookmarks = 1131, kQuickTags = 1132;
constexpr int kReopen = 1270;
constexpr unsigned kFirstEncodingName = 20100, kEncodingCount = 7;
constexpr unsigned kFirstLineBreakName = 20110, kLineBreakCount = 3;

void FillChoices(HWND page, int id, unsigned first_string, unsigned count, std::int32_t selected) {
  HWND box = GetDlgItem(page, id);
  for (unsigned i = 0; i < count; ++i) {
    WideString name;
    language_module::String(first_string + i, name, language_module::kLongStringLimit);
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.Text()));
  }
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void ShowExtensions(HWND page, int id, const std::vector<WideString>& items) {
  WideString joined;
  if (extension_lists::Join(items, joined)) window_text::Show(page, id, joined.View());
}

void ReadExtensions(HWND page, int id, std::vector<WideString>& items) {
  WideString text;
  if (window_text::Read(page, id, text)) extension_lists::Split(text.View(), items);
}

std::int32_t WheelStep(HWND page) { return dialog_fields::HoldInRange(page, kWheelStep, kWheelLowest, kWheelHighest); }

std::int32_t Selection(HWND page, int id, std::int32_t kept) {
  const auto chosen = SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0);
  return chosen == CB_ERR ? kept : static_cast<std::int32_t>(chosen);
}

}  // namespace

void Fill(HWND page, const Settings& settings) {
  FillChoices(page, kEncoding, kFirstEncodingName, kEncodingCount, settings.default_encoding);
  FillChoices(page, kLineBreak, kFirstLineBreakName, kLineBreakCount, settings.default_line_break);
  ShowExtensions(page, kDocumentExtensions, settings.document_extensions);
  ShowExtensions(page, kImageExtensions, settings.image_extensions);
  SendDlgItemMessageW(page, kWheelStep, EM_LIMITTEXT, kWheelDigits, 0);
  SendDlgItemMessageW(page, kWheelSpin, UDM_SETRANGE32, kWheelLowest, kWheelHighest);
  SetDlgItemInt(page, kWheelStep, static_cast<UINT>(settings.wheel_step), FALSE);
  CheckDlgButton(page, kReopen, settings.reopen_documents ? BST_CHECKED : BST_UNCHECKED);
}

void Apply(HWND page, Settings& settings) {
  settings.default_encoding = Selection(page, kEncoding, settings.default_encoding);
  settings.default_line_break = Selection(page, kLineBreak, settings.default_line_break);
  ReadExtensions(page, kDocumentExtensions, settings.document_extensions);
  ReadExtensions(page, kImageExtensions, settings.image_extensions);
  frame_services::RefillFileList();
  settings.wheel_step = WheelStep(page);
  if (Frame().documents) Frame().documents->Settings().wheel_step = settings.wheel_step;
  settings.reopen_documents = IsDlgButtonChecked(page, kReopen) == BST_CHECKED;
}

bool Command(HWND page, OptionsState& state, int id, int code) {
  if (id == kWheelStep && code == EN_KILLFOCUS) {
    WheelStep(page);
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kFont: editing_dialogs::EditFont(state.dialog); return true;
    case kColours: editing_dialogs::EditColours(state.dialog); return true;
    case kBookmarks: editing_dialogs::EditBookmarks(state.dialog); return true;
    case kQuickTags: editing_dialogs::EditQuickTags(state.dialog); return true;
  }
  return false;
}

}  // namespace editing_page
