#include <windows.h>
#include <commctrl.h>


#include "docs/document_opening.h"
#include "docs/tabs/bookmark_list.h"
#include "editor/control/edit_control_win32.h"
#include "frame/documents/document_tabs.h"
#include "frame/documents/tab_area_win32.h"
#include "base/language/error_box.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "frame/documents/recent_files.h"
#include "base/settings_location.h"
#include "base/language/string_ids.h"
#include "frame/documents/recovery.h"
#include "platform/file_source.h"
#include "platform/text_measurer.h"
#include "settings/editor_options.h"
#include "settings/settings.h"
#include "tools/file_browser/file_browser_win32.h"
#include "tools/toolbars/toolbars_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace tab_area {
namespace {

bool SetItem(std::int32_t index, Document* document) {
  TCITEMW item = {};
  item.mask = TCIF_PARAM;
  item.lParam = reinterpret_cast<LPARAM>(document);
  return SendMessageW(Area().tabs, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

// Shows the document as the active one, the previous active one hidden.
void ShowActive(Document* document) {
  Document* previous = Set().Active();
  HWND window = edit_control::WindowOf(*document);
  ShowWindow(window, SW_SHOW);
  if (previous && previous != document) ShowWindow(edit_control::WindowOf(*previous), SW_HIDE);
  Set().SetActive(document);
  SetFocus(window);
  file_browser::SyncFileListSelection();
}

// A new document's tab: right after the selected one, or the strip's first
// item when it is the only document.
bool AddTab(Document* document) {
  State& state = Area();
  std::int32_t index = 0;
  if (Set().Count() > 1) {
    index = Selected() + 1;
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(L"");
    item.lParam = reinterpret_cast<LPARAM>(document);
    index = static_cast<std::int32_t>(SendMessageW(state.tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) return false;
    if (!state.stamps.Insert(index)) {
      SendMessageW(state.tabs, TCM_DELETEITEM, index, 0);
      return false;
    }
    SendMessageW(state.tabs, TCM_SETCURSEL, index, 0);
  } else {
    state.stamps.Reset();
    if (!SetItem(0, document) || !state.stamps.Insert(0)) return false;
    SendMessageW(state.tabs, TCM_SETCURSEL, 0, 0);
  }
  Retitle(index);
  ShowActive(document);
  return true;
}

class TabHost final : public document_opening::Host {
 public:
  Document* CreateDocument() override {
    const RECT place = EditorPlace();
    return edit_control::Create(Set(), Area().area, place.top, place.right, place.bottom - place.top);
  }
  void DestroyDocument(Document* document) override { edit_control::Destroy(Set(), document); }
  void Show(Document* document) override {
    const std::int32_t index = IndexOf(document);
    if (index < 0) {
      if (!AddTab(document)) failed_ = document;
    } else if (index != Selected() || Set().Active() != document) {
      Activate(index, false);
      recent_files::Add(ProcessSettings().recent_files, document->File().path.View());
    } else {
      Retitle(index);
      file_browser::SyncFileListSelection();
    }
  }
  // A document whose tab could not be added.
  Document* Failed() const { return failed_; }

 private:
  Document* failed_ = nullptr;
};

}  // namespace

int Ask(unsigned text_id, Document& document, UINT buttons) {
  WideString text, caption;
  language_module::String(text_id, text);
  DisplayName(document, caption);
  return MessageBoxW(MainWindow(), Wide(text.Text()), Wide(caption.Text()), buttons | MB_ICONQUESTION | MB_SETFOREGROUND);
}

void Activate(std::int32_t index, bool keep_stamp) {
  Document* document = DocumentAt(index);
  if (!document) return;
  SendMessageW(Area().tabs, TCM_SETCURSEL, index, 0);
  ShowActive(document);
  RefreshStatus();
  toolbars::RefreshStates();
  if (!keep_stamp) Area().stamps.Renew(index);
  CheckOutsideChange();
}

void CheckOutsideChange() {
  Document* document = Frame().documents ? Set().Active() : nullptr;
  // With a modal dialog up the question would stack on it; the next
  // activation asks.
  if (!document || document->File().path.Empty() || Area().shutting_down || !IsWindowEnabled(MainWindow())) return;
  const std::uint64_t time = byte_file::LastWriteTime(document->File().path.View());
  if (time == 0 || time == document->File().file_time) return;
  document->SeeFileTime(time);
  if (Ask(string_ids::kReloadPrompt, *document, MB_YESNO) != IDYES || IndexOf(document) < 0) return;
  if (!document_opening::Reload(*document)) {
    error_box::Show(string_ids::kCannotOpen);
    return;
  }
  recovery::Saved(*document);
  Retitle(IndexOf(document));
  RefreshStatus();
  // The history went with the old text.
  toolbars::RefreshStates();
}

bool CloseTab(std::int32_t index, bool keep_one, bool no_prompt) {
  State& state = Area();
  Document* document = DocumentAt(index);
  if (!document) return true;
  if (keep_one && Set().Count() == 1 && document_opening::Untouched(*document)) return true;
  if (!no_prompt && document->Modified()) {
    const int answer = Ask(string_ids::kClosePrompt, *document, MB_YESNOCANCEL);
    if (answer == IDCANCEL) return false;
    // The prompt and the save dialog run message loops: the document and
    // its tab are looked up again after each.
    if (IndexOf(document) < 0) return true;
    if (answer == IDYES && !Save(*document)) return false;
    index = IndexOf(document);
    if (index < 0) return true;
  }
  recovery::Closing(*document, no_prompt);
  if (!document->File().path.Empty())
    recent_files::KeepLine(ProcessSettings().recent_files, document->File().path.View(), document->Selection().caret.line);
  const bool was_selected = index == Selected();
  // The tab lets go of the document before anything else can look at it.
  if (Set().Count() > 1) {
    SendMessageW(state.tabs, TCM_DELETEITEM, index, 0);
  } else {
    SetItem(index, nullptr);
  }
  state.stamps.Remove(index);
  edit_control::Destroy(Set(), document);
  ResetCloseBoxHover();
  if (Set().Count() > 0) {
    if (was_selected) Activate(state.stamps.MostRecent(), true);
  } else if (keep_one) {
    state.stamps.Reset();
    document_tabs::NewDocument();
  }
  return true;
}

void MoveSelectedTab(std::int32_t index) {
  State& state = Area();
  const std::int32_t from = Selected();
  Document* document = DocumentAt(from);
  if (!document || index == from || index < 0 || index >= state.stamps.Count()) return;
  SendMessageW(state.tabs, TCM_DELETEITEM, from, 0);
  TCITEMW item = {};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = const_cast<wchar_t*>(L"");
  item.lParam = reinterpret_cast<LPARAM>(document);
  SendMessageW(state.tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
  SendMessageW(state.tabs, TCM_SETCURSEL, index, 0);
  Retitle(index);
  state.stamps.Move(from, index);
  state.stamps.Renew(index);
}

}  // namespace tab_area

namespace document_tabs {

using namespace tab_area;

bool CreateSet() {
  auto measurer = platform::CreateScreenTextMeasurer();
  if (!measurer) return false;
  auto set = std::make_unique<DocumentSet>(std::move(measurer));
  if (!editor_options::Apply(ProcessSettings(), set->Settings(), set->Metrics())) return false;
  Frame().documents = std::move(set);
  return edit_control::RegisterWindowClass(static_cast<HINSTANCE>(Frame().program_module));
}

bool NewDocument() {
  TabHost host;
  Document* document = host.CreateDocument();
  if (document) {
    const Settings& settings = ProcessSettings();
    document->SetFormat(static_cast<EncodingId>(settings.default_encoding),
                        static_cast<LineBreakStyle>(settings.default_line_break));
    if (!AddTab(document)) {
      host.DestroyDocument(document);
      document = nullptr;
    }
  }
  if (!document) {
    error_box::Show(string_ids::kCannotMakeDocument);
    return false;
  }
  RefreshStatus();
  return true;
}

document_opening::Result OpenAndFollow(std::u16string_view path, int choice) {
  Settings& settings = ProcessSettings();
  const std::int32_t line = recent_files::LineOf(settings.recent_files, path);
  TabHost host;
  document_opening::Result result = document_opening::Open(Set(), host, path, choice);
  if (Document* failed = host.Failed()) {
    host.DestroyDocument(failed);
    result = document_opening::kFailed;
  }
  if (result == document_opening::kFailed) {
    error_box::Show(string_ids::kCannotOpen);
    return result;
  }
  if (result != document_opening::kOpened) return result;
  Document& document = *Set().Active();
  for (std::int32_t marked : bookmark_list::LinesOf(settings.bookmarks, document.File().path.View()))
    document.AddMarkedLine(marked);
  // Plain ASCII detects as single-byte; it is saved as the default.
  if (document.File().encoding == kSingleByte)
    document.SetFormat(static_cast<EncodingId>(settings.default_encoding), document.File().line_breaks);
  RefreshStatus();
  recent_files::Add(settings.recent_files, document.File().path.View());
  if (line != 0) GoToLine(line);
  return result;
}

void RememberFolder() {
  Document* active = Frame().documents ? Set().Active() : nullptr;
  if (!active || active->File().path.Empty()) {
    Frame().last_folder.Assign(ProcessSettings().default_folder.View());
    return;
  }
  Frame().last_folder.Assign(settings_location::FolderOf(active->File().path.View()));
}

std::int32_t Count() { return Frame().documents ? Set().Count() : 0; }

void ActivateTab(std::int32_t index) {
  if (index >= 0 && index < Count()) Activate(index, false);
}

void GoToLine(std::int32_t line) {
  Document* active = Frame().documents ? Set().Active() : nullptr;
  if (!active) return;
  active->GoToLine(line);
}

void SelectInLine(std::int32_t line, std::int32_t start, std::int32_t end) {
  Document* active = Frame().documents ? Set().Active() : nullptr;
  if (!active) return;
  active->SelectInLine(line, start, end);
}

void FocusActive() {
  Document* active = Frame().documents ? Set().Active() : nullptr;
  if (active) SetFocus(edit_control::WindowOf(*active));
}

void ApplicationActivated() { CheckOutsideChange(); }

}  // namespace document_tabs
