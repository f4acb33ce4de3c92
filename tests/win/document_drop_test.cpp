// Files dropped on the main window, in the program's own process: the
// drop list is opened from its last name to its first, folders are left
// out, and the untouched untitled document takes the first file opened.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "frame/documents/document_tabs.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "platform/shell_folders.h"
#include "settings/load_settings.h"
#include "settings/settings.h"
#include "settings/settings_reader.h"

namespace {

std::wstring Folder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.rfind(L'\\'));
}

// A drop list as the shell hands it over: wide names, each ended, then an
// empty one.
HDROP DropList(const std::vector<std::wstring>& names) {
  std::wstring packed;
  for (const std::wstring& name : names) packed += name + L'\0';
  packed += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + packed.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::copy(packed.begin(), packed.end(), reinterpret_cast<wchar_t*>(drop + 1));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

std::wstring TabText(HWND tabs, int index) {
  wchar_t text[MAX_PATH] = {};
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = MAX_PATH;
  SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

TEST(DocumentDrop, NamesOpenFromTheLastToTheFirstAndFoldersAreLeftOut) {
  const std::wstring program_folder = Folder();
  const std::u16string folder(program_folder.begin(), program_folder.end());
  ASSERT_TRUE(language_module::Load(u"English", folder));
  SettingsReader unread;
  LoadSettings(unread, ProcessSettings(), HostShellFolders(),
               [](std::uint32_t id) { return language_module::StringView(id); });
  FrameState& frame = Frame();
  frame.program_module = GetModuleHandleW(nullptr);
  HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                              nullptr, nullptr, nullptr);
  frame.main_window = main;
  ASSERT_TRUE(document_tabs::CreateSet());
  ASSERT_TRUE(document_tabs::CreateArea(main));
  ASSERT_TRUE(document_tabs::NewDocument());

  const std::wstring scratch = Folder() + L"\\drop-scratch";
  CreateDirectoryW(scratch.c_str(), nullptr);
  CreateDirectoryW((scratch + L"\\folder").c_str(), nullptr);
  for (const wchar_t* name : {L"a.html", L"b.html", L"c.html"}) {
    HANDLE file = CreateFileW((scratch + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
  }
  document_tabs::Drop(DropList({scratch + L"\\a.html", scratch + L"\\folder", scratch + L"\\b.html",
                                scratch + L"\\c.html"}));

  HWND tabs = FindWindowExW(FindWindowExW(main, nullptr, L"Vorndel_mbase_class", nullptr), nullptr, WC_TABCONTROLW,
                            nullptr);
  ASSERT_EQ(document_tabs::Count(), 3);
  EXPECT_EQ(TabText(tabs, 0), L"c.html    ");
  EXPECT_EQ(TabText(tabs, 1), L"b.html    ");
  EXPECT_EQ(TabText(tabs, 2), L"a.html    ");
  EXPECT_EQ(std::u16string(frame.documents->Active()->File().path.View()),
            std::u16string(scratch.begin(), scratch.end()) + u"\\a.html");

  EXPECT_TRUE(document_tabs::CloseAllForShutdown(true, nullptr));
  frame.documents.reset();
  DestroyWindow(main);
  frame.main_window = nullptr;
  language_module::Unload();
}

}  // namespace
