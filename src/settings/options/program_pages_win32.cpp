#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>

#include "base/language/language_module.h"
#include "platform/file_exists.h"
#include "platform/path_text.h"
#include "platform/window_text_win32.h"
#include "settings/options/option_pages_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace program_pages {
namespace {

constexpr int kLabel = 1320, kOptions = 1330, kBrowseProgram = 1340, kClear = 1350, kPath = 1360, kUseMapping = 1370;
constexpr int kMappingOn = 1420, kLocalFolder = 1430, kBrowseFolder = 1440, kWebLabel = 1450, kWebPrefix = 1460;
constexpr int kLabelLimit = 31, kPathLimit = 259, kOptionsLimit = 31;
constexpr unsigned kProgramTitle = 20400, kFolderTitle = 20600;
constexpr unsigned kAllFiles = 21000, kPrograms = 21004;

const wchar_t* Wide(const WideString& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void ReadInto(HWND page, int id, WideString& field) {
  WideString text;
  if (window_text::Read(page, id, text)) field = std::move(text);
}

void EnableMapping(HWND page, int row, bool enabled) {
  for (int id : {kLocalFolder, kBrowseFolder, kWebLabel, kWebPrefix}) EnableWindow(GetDlgItem(page, id + row), enabled);
}

bool IsFolder(const WideString& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Where the open dialog starts: the row's folder, the folder of the row's
// program, or the program-files folder.
void StartFolder(const WideString& current, WideString& folder) {
  if (!current.Empty() && IsFolder(current)) {
    folder.Assign(current.View());
    return;
  }
  const std::u16string_view path = current.View();
  const std::size_t slash = path.find_last_of(u'\\');
  if (byte_file::FileExists(path) && slash != std::u16string_view::npos) {
    folder.Assign(path.substr(0, slash));
    return;
  }
  wchar_t programs[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, programs);
  folder.Assign(reinterpret_cast<const char16_t*>(programs));
}

// Two filters, name NUL pattern NUL each, and a closing NUL.
void AppendFilter(WideString& filters, unsigned name, std::u16string_view pattern) {
  filters.Append(language_module::StringView(name));
  filters.Append(u'\0');
  filters.Append(pattern);
  filters.Append(u'\0');
}

void BrowseProgram(HWND page, int row) {
  WideString current, folder, filters, title;
  window_text::Read(page, kPath + row, current);
  StartFolder(current, folder);
  AppendFilter(filters, kAllFiles, u"*.*");
  AppendFilter(filters, kPrograms, u"*.exe");
  filters.Append(u'\0');
  language_module::String(kProgramTitle, title);
  wchar_t chosen[MAX_PATH] = {};
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetParent(page);
  dialog.lpstrFilter = Wide(filters);
  dialog.nFilterIndex = 2;
  dialog.lpstrFile = chosen;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = Wide(folder);
  dialog.lpstrTitle = Wide(title);
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameW(&dialog)) return;
  const std::u16string_view path(reinterpret_cast<const char16_t*>(chosen));
  window_text::Show(page, kPath + row, path.substr(0, kPathLimit));
  if (GetWindowTextLengthW(GetDlgItem(page, kLabel + row)) == 0) {
    window_text::Show(page, kLabel + row, path_text::BaseName(path).substr(0, kLabelLimit));
  }
}

void BrowseFolder(HWND page, int row) {
  WideString title;
  language_module::String(kFolderTitle, title);
  title.Append(ProcessSettings().url_mappings[row].local_prefix.View());
  BROWSEINFOW browse = {};
  browse.hwndOwner = GetParent(page);
  browse.lpszTitle = Wide(title);
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE list = SHBrowseForFolderW(&browse);
  if (!list) return;
  wchar_t path[MAX_PATH] = {};
  const bool named = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  WideString chosen;
  if (!named || !chosen.Assign(reinterpret_cast<const char16_t*>(path))) return;
  if (chosen.View().empty() || chosen.View().back() != u'\\') chosen.Append(u'\\');
  window_text::Show(page, kLocalFolder + row, chosen.View());
}

}  // namespace

void FillTools(HWND page, const Settings& settings) {
  for (int row = 0; row < Settings::kToolSlots; ++row) {
    const ExternalTool& tool = settings.external_tools[row];
    SendDlgItemMessageW(page, kLabel + row, EM_LIMITTEXT, kLabelLimit, 0);
    SendDlgItemMessageW(page, kPath + row, EM_LIMITTEXT, kPathLimit, 0);
    SendDlgItemMessageW(page, kOptions + row, EM_LIMITTEXT, kOptionsLimit, 0);
    window_text::Show(page, kLabel + row, tool.label.View());
    window_text::Show(page, kPath + row, tool.path.View());
    window_text::Show(page, kOptions + row, tool.options.View());
    CheckDlgButton(page, kUseMapping + row, tool.use_mapping ? BST_CHECKED : BST_UNCHECKED);
  }
}

void ApplyTools(HWND page, Settings& settings) {
  for (int row = 0; row < Settings::kToolSlots; ++row) {
    ExternalTool& tool = settings.external_tools[row];
    ReadInto(page, kLabel + row, tool.label);
    ReadInto(page, kPath + row, tool.path);
    ReadInto(page, kOptions + row, tool.options);
    tool.use_mapping = Checked(page, kUseMapping + row);
  }
}

void FillMappings(HWND page, const Settings& settings) {
  for (int row = 0; row < Settings::kMappingSlots; ++row) {
    const UrlMapping& mapping = settings.url_mappings[row];
    SendDlgItemMessageW(page, kLocalFolder + row, EM_LIMITTEXT, kPathLimit, 0);
    SendDlgItemMessageW(page, kWebPrefix + row, EM_LIMITTEXT, kPathLimit, 0);
    CheckDlgButton(page, kMappingOn + row, mapping.enabled ? BST_CHECKED : BST_UNCHECKED);
    window_text::Show(page, kLocalFolder + row, mapping.local_prefix.View());
    window_text::Show(page, kWebPrefix + row, mapping.web_prefix.View());
    EnableMapping(page, row, mapping.enabled);
  }
}

void ApplyMappings(HWND page, Settings& settings) {
  for (int row = 0; row < Settings::kMappingSlots; ++row) {
    UrlMapping& mapping = settings.url_mappings[row];
    mapping.enabled = Checked(page, kMappingOn + row);
    ReadInto(page, kLocalFolder + row, mapping.local_prefix);
    ReadInto(page, kWebPrefix + row, mapping.web_prefix);
  }
}

bool Command(HWND page, int id) {
  auto row_of = [id](int first, int count) { return id >= first && id < first + count ? id - first : -1; };
  if (const int row = row_of(kBrowseProgram, Settings::kToolSlots); row >= 0) {
    BrowseProgram(page, row);
    return true;
  }
  if (const int row = row_of(kClear, Settings::kToolSlots); row >= 0) {
    for (int field : {kLabel, kPath, kOptions}) SetDlgItemTextW(page, field + row, L"");
    return true;
  }
  if (const int row = row_of(kBrowseFolder, Settings::kMappingSlots); row >= 0) {
    BrowseFolder(page, row);
    return true;
  }
  if (const int row = row_of(kMappingOn, Settings::kMappingSlots); row >= 0) {
    EnableMapping(page, row, Checked(page, id));
  }
  return false;  // the check box is a change as well
}

}  // namespace program_pages
