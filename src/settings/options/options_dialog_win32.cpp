#include "settings/options/options_dialog_win32.h"

#include <algorithm>

#include "base/frame_state.h"
#include "base/language/error_box.h"
#include "base/language/language_dialog_win32.h"
#include "base/language/language_module.h"
#include "base/frame_services_win32.h"
#include "base/settings_location.h"
#include "platform/path_text.h"
#include "settings/options/option_pages_win32.h"
#include "settings/options/send_to.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace options_dialog {
namespace {

constexpr unsigned kTemplate = 1000;
constexpr unsigned kFirstPage = 1100;
constexpr int kPageList = 1001;
constexpr int kApply = 1002;
constexpr int kItemHeight = 20, kIndent = 10;
// Where the pages sit, in dialog units: right of the page list.
constexpr RECT kPageArea = {99, 7, 399, 207};
constexpr unsigned kCannotOpen = 30003;

OptionsState& StateOf(HWND dialog) { return *reinterpret_cast<OptionsState*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

bool MakePages(HWND dialog, OptionsState& state) {
  RECT area = kPageArea;
  MapDialogRect(dialog, &area);
  HWND list = GetDlgItem(dialog, kPageList);
  SendMessageW(list, TVM_SETITEMHEIGHT, kItemHeight, 0);
  SendMessageW(list, TVM_SETINDENT, kIndent, 0);
  HWND previous = list;
  for (int i = 0; i < OptionsState::kPages; ++i) {
    HWND page = language_dialog::CreateModeless(kFirstPage + i, dialog, option_pages::Procedure,
                                                reinterpret_cast<LPARAM>(&state), ProcessSettings().ui_font_height);
    if (!page) return false;
    state.pages[i] = page;
    // Tab order: the list, the pages, then the buttons.
    SetWindowPos(page, previous, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOACTIVATE | SWP_HIDEWINDOW);
    previous = page;
    WideString name;
    language_module::String(kFirstPage + i, name);
    TVINSERTSTRUCTW item = {};
    item.hParent = TVI_ROOT;
    item.hInsertAfter = TVI_LAST;
    item.item.mask = TVIF_TEXT | TVIF_PARAM;
    item.item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(name.Text()));
    item.item.lParam = i;
    state.items[i] = reinterpret_cast<HTREEITEM>(SendMessageW(list, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  }
  return true;
}

void ShowPage(OptionsState& state, int index) {
  if (index < 0 || index >= OptionsState::kPages) return;
  ShowWindow(state.pages[state.current_page], SW_HIDE);
  state.current_page = index;
  ShowWindow(state.pages[index], SW_SHOW);
}

void ApplyAll(HWND dialog, OptionsState& state) {
  option_pages::Apply(state, ProcessSettings());
  HWND apply = GetDlgItem(dialog, kApply);
  if (GetFocus() == apply) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDOK)), TRUE);
  EnableWindow(apply, FALSE);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      OptionsState& state = *reinterpret_cast<OptionsState*>(lparam);
      state.dialog = dialog;
      if (!MakePages(dialog, state)) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      EnableWindow(GetDlgItem(dialog, kApply), FALSE);
      option_pages::Fill(state, ProcessSettings());
      const int first = std::clamp(ProcessSettings().options_page, 0, OptionsState::kPages - 1);
      state.current_page = first;
      ShowWindow(state.pages[first], SW_SHOW);
      SendDlgItemMessageW(dialog, kPageList, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(state.items[first]));
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (header.idFrom != kPageList || header.code != TVN_SELCHANGEDW) return FALSE;
      ShowPage(StateOf(dialog), static_cast<int>(reinterpret_cast<const NMTREEVIEWW&>(header).itemNew.lParam));
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDOK:
          ApplyAll(dialog, StateOf(dialog));
          EndDialog(dialog, IDOK);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        case kApply:
          ApplyAll(dialog, StateOf(dialog));
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

// A new interface font or language, applied or confirmed while the dialog
// was open, takes effect now that no dialog shows the old one.
void TakeOverPending(const OptionsState& state) {
  Settings& settings = ProcessSettings();
  const bool font_changed =
      settings.ui_font_height != state.pending_font_height || settings.ui_font_weight != state.pending_font_weight;
  const bool language_changed = !path_text::SameName(state.pending_language.View(), language_module::Name().View());
  if (!font_changed && !language_changed) return;
  settings.ui_font_height = state.pending_font_height;
  settings.ui_font_weight = state.pending_font_weight;
  bool failed = false;
  if (language_changed) {
    // The module in use stays when the chosen one will not load.
    failed = !language_module::Switch(state.pending_language.View(),
                                      settings_location::FolderOf(Frame().program_path.View())) ||
             !settings.language_module_name.Assign(language_module::Name().View());
  }
  frame_services::ApplyFontAndLanguage();
  if (failed) error_box::Show(kCannotOpen);
}

}  // namespace

void Run(HWND main_window) {
  const Settings& settings = ProcessSettings();
  OptionsState state;
  state.pending_font_height = settings.ui_font_height;
  state.pending_font_weight = settings.ui_font_weight;
  state.pending_language.Assign(language_module::Name().View());
  state.send_to_baseline = send_to::Exists(Frame().program_path.View());
  if (language_dialog::RunModal(kTemplate, main_window, Procedure, reinterpret_cast<LPARAM>(&state),
                                settings.ui_font_height) < 0) {
    return;
  }
  TakeOverPending(state);
}

}  // namespace options_dialog
