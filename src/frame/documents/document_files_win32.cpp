#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

#include "docs/document_saving.h"
#include "docs/tabs/file_dialog_choices.h"
#include "editor/editing/editor_notify.h"
#include "frame/layout/dialog_anchor_win32.h"
#include "frame/documents/document_files.h"
#include "frame/documents/document_tabs.h"
#include "frame/documents/tab_area_win32.h"
#include "base/language/error_box.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "base/settings_location.h"
#include "base/language/string_ids.h"
#include "frame/documents/recovery.h"
#include "frame/documents/save_checks.h"
#include "platform/file_source.h"
#include "platform/path_text.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace tab_area {
namespace {

constexpr WORD kOpenTemplate = 2000;
constexpr int kOpenEncodingList = 2002;
constexpr WORD kSaveTemplate = 2100;
constexpr int kSaveEncodingList = 2102;
constexpr int kSaveLineBreakList = 2104;
// Room for a multi-selection of many long names.
constexpr std::size_t kNameBufferUnits = 65536;

// The dialogs' own controls, filled when they open and read when OK is
// pressed.
struct DialogChoices {
  int encoding = 0;
  int line_breaks = 0;
  int open_item = 0;
};
DialogChoices choices;

void FillList(HWND dialog, int id, unsigned first, unsigned count, int selected) {
  HWND list = GetDlgItem(dialog, id);
  WideString text;
  for (unsigned k = 0; k < count; ++k) {
    language_module::String(first + k, text, language_module::kLongStringLimit);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.Empty() ? L"" : Wide(text.Text())));
  }
  SendMessageW(list, CB_SETCURSEL, selected, 0);
}

int ListChoice(HWND dialog, int id) {
  const LRESULT selected = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? 0 : static_cast<int>(selected);
}

UINT_PTR CALLBACK OpenHook(HWND dialog, UINT message, WPARAM, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    FillList(dialog, kOpenEncodingList, string_ids::kAutomaticEncoding, 1, 0);
    HWND list = GetDlgItem(dialog, kOpenEncodingList);
    WideString text;
    for (unsigned k = 0; k < 7; ++k) {
      language_module::String(string_ids::kEncodingNames + k, text, language_module::kLongStringLimit);
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.Empty() ? L"" : Wide(text.Text())));
    }
  } else if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lparam)->code == CDN_INITDONE) {
    dialog_anchor::Place(GetParent(dialog));
  } else if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lparam)->code == CDN_FILEOK) {
    choices.open_item = ListChoice(dialog, kOpenEncodingList);
  }
  return 0;
}

UINT_PTR CALLBACK SaveHook(HWND dialog, UINT message, WPARAM, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    FillList(dialog, kSaveEncodingList, string_ids::kEncodingNames, 7, choices.encoding);
    FillList(dialog, kSaveLineBreakList, string_ids::kLineBreakNames, 3, choices.line_breaks);
  } else if (message == WM_NOTIFY) {
    const auto& notify = *reinterpret_cast<const OFNOTIFYW*>(lparam);
    HWND explorer = GetParent(dialog);
    if (notify.hdr.code == CDN_INITDONE) {
      dialog_anchor::Place(explorer);
    } else if (notify.hdr.code == CDN_TYPECHANGE) {
      const std::u16string_view extension = file_dialog_choices::ExtensionForFilter(notify.lpOFN->nFilterIndex);
      WideString terminated;
      terminated.Assign(extension);
      SendMessageW(explorer, CDM_SETDEFEXT, 0,
                   reinterpret_cast<LPARAM>(terminated.Empty() ? L"" : Wide(terminated.Text())));
    } else if (notify.hdr.code == CDN_FILEOK) {
      choices.encoding = ListChoice(dialog, kSaveEncodingList);
      choices.line_breaks = ListChoice(dialog, kSaveLineBreakList);
    }
  }
  return 0;
}

bool Filter(WideString& filter) {
  return file_dialog_choices::BuildFilter([](unsigned id) { return language_module::StringView(id); }, filter);
}

// The document's path as the dialog's first name: whole when it fits, its
// file name alone when it does not.
void PresetName(std::vector<wchar_t>& buffer, std::u16string_view path) {
  if (path.size() >= buffer.size()) {
    const std::size_t slash = path.rfind(u'\\');
    if (slash != std::u16string_view::npos) path = path.substr(slash + 1);
    if (path.size() >= buffer.size()) path = {};
  }
  for (std::size_t i = 0; i < path.size(); ++i) buffer[i] = static_cast<wchar_t>(path[i]);
  buffer[path.size()] = 0;
}

const wchar_t* StartFolder() {
  const WideString& folder = Frame().last_folder;
  return folder.Empty() ? nullptr : Wide(folder.Text());
}

// What every save of a document goes through: the questions before it,
// then the write.  kDeclined when the user chose not to save.
enum class Saved { kSaved, kDeclined, kFailed };

Saved SaveChecked(Document& document, const char16_t* path, int encoding, int line_breaks) {
  // The questions run message loops: the document is looked up again.
  if (!save_checks::Confirm(document, path, encoding) || IndexOf(&document) < 0) return Saved::kDeclined;
  if (!document_saving::Save(document, path, encoding, line_breaks)) return Saved::kFailed;
  recovery::Saved(document);
  if (&document == Set().Active()) RefreshStatus();
  return Saved::kSaved;
}

// The same, a failure told at once.
bool SaveTo(Document& document, const char16_t* path, int encoding, int line_breaks) {
  const Saved saved = SaveChecked(document, path, encoding, line_breaks);
  if (saved == Saved::kFailed) save_checks::ShowFailures(string_ids::kCannotSave, {save_checks::FailureOf(path)});
  return saved == Saved::kSaved;
}

// Save As onto a file another tab holds: that tab goes first, with its own
// prompt, so that no file is held by two tabs.  False when the user stops.
bool ReleaseFromOtherTab(Document& document, std::u16string_view path) {
  for (std::int32_t i = 0; i < Set().Count(); ++i) {
    Document* other = DocumentAt(i);
    if (!other || other == &document || !path_text::SameName(other->File().path.View(), path)) continue;
    return Ask(string_ids::kPathInOtherTabPrompt, document, MB_YESNO) == IDYES && CloseTab(i, true, false);
  }
  return true;
}

}  // namespace

bool Save(Document& document) {
  if (document.File().path.Empty()) return SaveAs(document);
  if (!document.Modified() && byte_file::LastWriteTime(document.File().path.View()) == document.File().file_time)
    return true;
  WideString path;
  if (!path.Assign(document.File().path.View())) return false;
  return SaveTo(document, path.Text(), document.File().encoding, document.File().line_breaks);
}

bool SaveAs(Document& document) {
  std::vector<wchar_t> name(kNameBufferUnits, 0);
  PresetName(name, document.File().path.View());
  WideString filter;
  if (!Filter(filter)) return false;
  const file_dialog_choices::SaveType type = file_dialog_choices::SaveTypeFor(document.Mode());
  WideString extension;
  extension.Assign(type.extension);
  choices.encoding = document.File().encoding;
  choices.line_breaks = document.File().line_breaks;

  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = MainWindow();
  dialog.hInstance = static_cast<HINSTANCE>(language_module::Handle());
  dialog.lpstrFilter = Wide(filter.Text());
  dialog.nFilterIndex = type.filter_index;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = StartFolder();
  dialog.lpstrDefExt = extension.Empty() ? nullptr : Wide(extension.Text());
  dialog.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK |
                 OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  dialog.lpTemplateName = MAKEINTRESOURCEW(kSaveTemplate);
  dialog.lpfnHook = SaveHook;
  // The dialog and the other tab's prompt run message loops: the document
  // is looked up again after each.
  if (!GetSaveFileNameW(&dialog) || IndexOf(&document) < 0) return false;

  const char16_t* path = reinterpret_cast<const char16_t*>(name.data());
  if (!ReleaseFromOtherTab(document, path) || IndexOf(&document) < 0) return false;
  const bool existed = PathFileExistsW(name.data()) != FALSE;
  if (!SaveTo(document, path, choices.encoding, choices.line_breaks)) return false;
  if (!existed) SHChangeNotify(SHCNE_CREATE, SHCNF_PATHW | SHCNF_FLUSH | SHCNF_FLUSHNOWAIT, name.data(), nullptr);
  Frame().last_folder.Assign(settings_location::FolderOf(document.File().path.View()));
  return true;
}

}  // namespace tab_area

namespace document_files {

using namespace tab_area;

void OpenWithDialog() {
  std::vector<wchar_t> names(kNameBufferUnits, 0);
  WideString filter;
  if (!Filter(filter)) return;
  choices.open_item = 0;
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = MainWindow();
  dialog.hInstance = static_cast<HINSTANCE>(language_module::Handle());
  dialog.lpstrFilter = Wide(filter.Text());
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = names.data();
  dialog.nMaxFile = static_cast<DWORD>(names.size());
  dialog.lpstrInitialDir = StartFolder();
  dialog.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_ENABLETEMPLATE |
                 OFN_ENABLEHOOK | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  dialog.lpTemplateName = MAKEINTRESOURCEW(kOpenTemplate);
  dialog.lpfnHook = OpenHook;
  if (!GetOpenFileNameW(&dialog)) return;
  const int choice = file_dialog_choices::EncodingChoice(choices.open_item);
  const std::u16string_view buffer(reinterpret_cast<const char16_t*>(names.data()), names.size());
  for (const WideString& path : file_dialog_choices::SelectedPaths(buffer))
    document_tabs::OpenAndFollow(path.View(), choice);
  document_tabs::RememberFolder();
  document_tabs::FocusActive();
}

bool SaveActive() {
  Document* active = Set().Active();
  // With no document, Save is Save As, which tells that nothing was saved.
  return active ? Save(*active) : SaveActiveAs();
}

bool SaveActiveAs() {
  Document* active = Set().Active();
  if (!active) {
    error_box::Show(string_ids::kCannotSave);
    return false;
  }
  return SaveAs(*active);
}

void SaveAll() {
  bool any = false;
  std::vector<save_messages::FailedFile> failed;
  for (std::int32_t i = 0; i < Set().Count(); ++i) {
    Document& document = *Set().At(i);
    if (document.File().path.Empty()) continue;
    // The stored write time changes only with a save that succeeded, so a
    // failed one is offered again.
    if (!document.Modified() && byte_file::LastWriteTime(document.File().path.View()) == document.File().file_time)
      continue;
    WideString path;
    if (!path.Assign(document.File().path.View())) continue;
    switch (SaveChecked(document, path.Text(), document.File().encoding, document.File().line_breaks)) {
      case Saved::kSaved:
        any = true;
        break;
      case Saved::kFailed:
        failed.push_back(save_checks::FailureOf(path.View()));
        break;
      case Saved::kDeclined:
        break;
    }
  }
  if (any && Set().Active()) SendMessageW(Area().area, EDN_CHANGED, 0, 0);
  if (!failed.empty()) save_checks::ShowFailures(string_ids::kCannotSaveThese, failed);
}

}  // namespace document_files
