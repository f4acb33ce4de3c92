#include "tools/find_in_files/find_in_files_win32.h"

#include <shlobj.h>

#include <string>

#include "base/frame_state.h"
#include "base/language/error_box.h"
#include "base/language/language_dialog_win32.h"
#include "base/language/language_module.h"
#include "platform/window_text_win32.h"
#include "settings/settings.h"
#include "tools/find_in_files/results_page_win32.h"
#include "tools/toolbars/find_history.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace find_in_files_command {
namespace {

constexpr unsigned kTemplate = 2800;
constexpr int kText = 2810, kFolder = 2811, kBrowse = 2812, kMasks = 2813, kSubfolders = 2814, kMatchCase = 2815,
              kRegex = 2816;
constexpr unsigned kFolderTitle = 21209;
constexpr unsigned kInvalidPattern = 20303;
constexpr unsigned kFolderNotFound = 30050;
constexpr int kMasksLimit = 1000;

struct Start {
  std::u16string_view text;
  std::u16string_view folder;
};

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

void Fill(HWND dialog, int id, const std::vector<WideString>& items) {
  for (const WideString& item : items)
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item.Text())));
}

void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::u16string Read(HWND dialog, int id) {
  WideString text;
  window_text::Read(dialog, id, text);
  return std::u16string(text.View());
}

void Initialize(HWND dialog, const Start& start) {
  const Settings& settings = ProcessSettings();
  Fill(dialog, kText, settings.find_history);
  Fill(dialog, kFolder, settings.searched_folders);
  const std::u16string_view text =
      !start.text.empty() ? start.text : settings.find_history.empty() ? u"" : settings.find_history[0].View();
  window_text::Show(dialog, kText, text);
  window_text::Show(dialog, kFolder, start.folder);
  SendDlgItemMessageW(dialog, kMasks, EM_LIMITTEXT, kMasksLimit, 0);
  window_text::Show(dialog, kMasks, settings.file_masks.View());
  Check(dialog, kSubfolders, settings.search_subfolders);
  Check(dialog, kMatchCase, settings.files_match_case);
  Check(dialog, kRegex, settings.files_regex_search);
}

void Browse(HWND dialog) {
  WideString title;
  language_module::String(kFolderTitle, title);
  BROWSEINFOW browse = {};
  browse.hwndOwner = dialog;
  browse.lpszTitle = Wide(title.Text());
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE list = SHBrowseForFolderW(&browse);
  if (!list) return;
  wchar_t path[MAX_PATH] = {};
  const bool named = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  if (named) SetDlgItemTextW(dialog, kFolder, path);
}

// Starts the search; false, with the user told why, when it cannot.
bool Search(HWND dialog) {
  search_worker::Request request;
  request.query = {Read(dialog, kText), Checked(dialog, kMatchCase), Checked(dialog, kRegex)};
  request.folder.folder = Read(dialog, kFolder);
  const std::u16string masks = Read(dialog, kMasks);
  request.folder.masks = FileMasks(masks);
  request.folder.subfolders = Checked(dialog, kSubfolders);
  if (request.query.text.empty()) return false;
  const DWORD attributes = GetFileAttributesW(Wide(request.folder.folder.c_str()));
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    error_box::ShowNamed(kFolderNotFound, request.folder.folder);
    return false;
  }
  Settings& settings = ProcessSettings();
  const std::u16string folder = request.folder.folder;
  const SearchQuery query = request.query;
  std::u16string error;
  if (!results_page::Begin(std::move(request), error)) {
    if (!error.empty()) error_box::ShowNamed(kInvalidPattern, error);
    return false;
  }
  find_history::Add(settings.searched_folders, folder);
  settings.file_masks.Assign(masks);
  settings.search_subfolders = Checked(dialog, kSubfolders);
  settings.files_match_case = query.match_case;
  settings.files_regex_search = query.regex;
  return true;
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      Initialize(dialog, *reinterpret_cast<const Start*>(lparam));
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case kBrowse:
          Browse(dialog);
          return TRUE;
        case IDOK:
          if (Search(dialog)) EndDialog(dialog, 1);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, 0);
          return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

bool Run(HWND owner, std::u16string_view text, std::u16string_view folder) {
  const Start start{text, folder};
  return language_dialog::RunModal(kTemplate, owner, Procedure, reinterpret_cast<LPARAM>(&start),
                                   ProcessSettings().ui_font_height) == 1;
}

}  // namespace find_in_files_command
