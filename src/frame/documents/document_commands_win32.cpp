#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "docs/tabs/bookmark_list.h"
#include "docs/tabs/close_sequence.h"
#include "commands/command_ids.h"
#include "frame/documents/document_files.h"
#include "frame/documents/document_tabs.h"
#include "frame/documents/tab_area_win32.h"
#include "base/language/error_box.h"
#include "base/frame_state.h"
#include "frame/documents/recent_files.h"
#include "frame/documents/tab_area_win32.h"
#include "base/language/error_box.h"
#include "base/frame_state.h"
#include "frame/startup/open_from_outside.h"
#include "base/language/string_ids.h"
#include "settings/open_documents.h"
#include "settings/settings.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace document_tabs {
namespace {

using namespace tab_area;
using namespace command_ids;

class StripCloser final : public TabCloser {
 public:
  std::int32_t Count() const override { return Set().Count(); }
  std::int32_t Selected() const override { return tab_area::Selected(); }
  bool Close(std::int32_t index) override { return CloseTab(index, true, false); }
};

void ToggleBookmark() {
  Document* active = Set().Active();
  if (!active || active->File().path.Empty()) {
    error_box::Show(string_ids::kBookmarkNeedsFile);
    return;
  }
  const std::int32_t line = active->Selection().caret.line;
  switch (bookmark_list::Toggle(ProcessSettings().bookmarks, active->File().path.View(), line)) {
    case bookmark_list::Toggled::kAdded:
      active->AddMarkedLine(line);
      break;
    case bookmark_list::Toggled::kRemoved:
      active->RemoveMarkedLine(line);
      break;
    case bookmark_list::Toggled::kFull:
      error_box::Show(string_ids::kBookmarksFull);
      break;
    case bookmark_list::Toggled::kFailed:
      break;
  }
}

// Command numbers come from outside too: the index is checked against the
// list as it is now.
void OpenRecent(std::size_t index) {
  const auto& recent = ProcessSettings().recent_files;
  if (index >= recent.size()) return;
  WideString path;
  if (!path.Assign(recent[index].path.View())) return;
  open_from_outside::OpenName(path.View());
  Frame().last_folder.Assign(recent_files::FolderOfEntry(path.View()));
}

void GoToBookmark(std::size_t index) {
  const auto& bookmarks = ProcessSettings().bookmarks;
  if (index >= bookmarks.size()) return;
  WideString path;
  if (!path.Assign(bookmarks[index].path.View())) return;
  const std::int32_t line = bookmarks[index].line;
  if (OpenAndFollow(path.View(), kAutoDetect) != document_opening::kFailed) GoToLine(line);
  Frame().last_folder.Assign(recent_files::FolderOfEntry(path.View()));
}

}  // namespace

bool RunCommand(std::uint16_t command) {
  if (!Frame().documents) return false;
  StripCloser closer;
  switch (command) {
    case kNew:
      NewDocument();
      return true;
    case kOpen:
      document_files::OpenWithDialog();
      return true;
    case kClearRecent:
      ProcessSettings().recent_files.clear();
      return true;
    case kSave:
      document_files::SaveActive();
      return true;
    case kSaveAs:
      document_files::SaveActiveAs();
      return true;
    case kSaveAll:
      document_files::SaveAll();
      return true;
    case kClose:
      CloseTab(tab_area::Selected(), true, false);
      return true;
    case kCloseAll:
      close_sequence::CloseAll(closer);
      return true;
    case kCloseOthers:
      close_sequence::CloseOthers(closer);
      CheckOutsideChange();
      return true;
    case kCloseToTheRight:
      close_sequence::CloseToTheRight(closer);
      CheckOutsideChange();
      return true;
    case kToggleBookmark:
      ToggleBookmark();
      return true;
  }
  if (command >= kFirstRecent && command <= kLastRecent) {
    OpenRecent(command - kFirstRecent);
    return true;
  }
  if (command >= kFirstBookmark && command <= kLastBookmark) {
    GoToBookmark(command - kFirstBookmark);
    return true;
  }
  return false;
}

void Drop(void* handle) {
  HDROP drop = static_cast<HDROP>(handle);
  HWND main = MainWindow();
  if (main && IsWindowEnabled(main)) {
    SetForegroundWindow(main);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<wchar_t> name;
    for (UINT i = count; i-- > 0;) {
      const UINT length = DragQueryFileW(drop, i, nullptr, 0);
      if (length == 0) continue;
      name.assign(length + 1, 0);
      if (DragQueryFileW(drop, i, name.data(), length + 1) != length) continue;
      open_from_outside::OpenName(std::u16string_view(reinterpret_cast<const char16_t*>(name.data()), length));
    }
    RememberFolder();
  }
  DragFinish(drop);
}

bool CloseAllForShutdown(bool logoff, OpenDocumentsSnapshot* snapshot) {
  if (!Frame().documents) return true;
  if (snapshot) {
    std::vector<TabForSnapshot> tabs(static_cast<std::size_t>(Set().Count()));
    for (std::int32_t i = 0; i < Set().Count(); ++i) {
      Document* document = DocumentAt(i);
      TabForSnapshot& tab = tabs[static_cast<std::size_t>(i)];
      if (!document) continue;
      tab.path = document->File().path.View();
      tab.caret_line = document->Selection().caret.line;
      tab.activation_stamp = Area().stamps.At(i);
    }
    TakeOpenDocumentsSnapshot(tabs, *snapshot);
  }
  Area().shutting_down = true;
  for (std::int32_t round = Set().Count(); round > 0; --round) {
    if (!CloseTab(tab_area::Selected(), false, logoff)) {
      Area().shutting_down = false;
      return false;
    }
  }
  return true;
}

}  // namespace document_tabs
