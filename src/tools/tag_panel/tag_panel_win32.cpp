#include "tools/tag_panel/tag_panel_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "base/frame_services_win32.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "base/language/error_box.h"
#include "base/language/string_ids.h"
#include "settings/settings.h"
#include "tools/find_in_files/results_page_win32.h"
#include "tools/panes/pane_bases_win32.h"
#include "tools/panes/splitter_limits.h"
#include "tools/tag_library_file.h"
#include "tools/tag_panel/tag_drags_win32.h"
#include "tools/tag_panel/tag_panel_commands_win32.h"
#include "tools/tag_panel/tag_panel_editor_win32.h"
#include "tools/tag_panel/tag_tree_view_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace tag_panel {
namespace {

constexpr UINT_PTR kSubclassId = 412;
constexpr unsigned kTabText = 412;
constexpr unsigned kResultsTabText = 21200;
enum Page { kTagsPage = 0, kResultsPage = 1 };
constexpr COLORREF kInsertMarkColour = RGB(0, 64, 255);
constexpr DWORD kProgramPathLimit = MAX_PATH;
// Posted to the base at creation: the user hears of an unreadable library
// once the window is up.
constexpr UINT kTellUnread = WM_APP + 20;

struct Panel {
  HWND base = nullptr;
  HWND tabs = nullptr;
  HWND tree = nullptr;
  bool read_whole = false;  // the file may be replaced at shutdown
  WideString read;          // the file the library came from
};
Panel panel;

void LayOut() {
  if (!panel.tree) return;
  RECT area = {};
  GetClientRect(panel.base, &area);
  const int strip = splitter_limits::kStrip;
  const int width = std::max<int>(area.right - strip, 0);
  const int tab_height = frame_services::TabRowHeight();
  MoveWindow(panel.tabs, strip, 1, width, tab_height, TRUE);
  MoveWindow(panel.tree, strip, tab_height + 1, width, std::max<int>(area.bottom - tab_height - 1, 0), TRUE);
  results_page::Place({strip, tab_height + 1, area.right, area.bottom});
}

void SetTabText(bool insert) {
  for (const Page page : {kTagsPage, kResultsPage}) {
    WideString text;
    language_module::String(page == kTagsPage ? kTabText : kResultsTabText, text);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(const_cast<char16_t*>(text.Text()));
    SendMessageW(panel.tabs, insert ? TCM_INSERTITEMW : TCM_SETITEMW, page, reinterpret_cast<LPARAM>(&item));
  }
}

// The tab strip's chosen page shows; the other hides.
void ShowChosenPage() {
  const bool results = SendMessageW(panel.tabs, TCM_GETCURSEL, 0, 0) == kResultsPage;
  ShowWindow(panel.tree, results ? SW_HIDE : SW_SHOW);
  results_page::Show(results);
}

// The tree takes over each record it made a node for; false when one
// could not be placed, which would be lost at the next save.
bool Fill(TagLibrary& library) {
  SendMessageW(panel.tree, WM_SETREDRAW, FALSE, 0);
  tag_tree_view::TreeView view(panel.tree);
  bool all = true;
  for (TagFolderLink* link = library.Folders(); link; link = link->next) {
    const bool expanded = link->folder->expanded;
    const tag_tree::Node folder = view.Insert({}, link->folder);
    if (folder == tag_tree::kNone) {
      all = false;
      continue;
    }
    link->folder = nullptr;
    for (TagEntryLink* tag = link->tags; tag; tag = tag->next) {
      if (view.Insert({folder, tag_tree::Place::Where::kLast}, tag->entry) == tag_tree::kNone)
        all = false;
      else
        tag->entry = nullptr;
    }
    if (expanded) SendMessageW(panel.tree, TVM_EXPAND, TVE_EXPAND, static_cast<LPARAM>(folder));
  }
  library.Clear();
  if (const tag_tree::Node first = view.FirstChild(tag_tree::kNone))
    SendMessageW(panel.tree, TVM_ENSUREVISIBLE, 0, static_cast<LPARAM>(first));
  SendMessageW(panel.tree, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(panel.tree, nullptr, TRUE);
  return all;
}

// The click that inserts: on a tag's icon or label, not on its row's
// empty part or a button.
void InsertAtPointer(HWND tree) {
  const DWORD position = GetMessagePos();
  POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ScreenToClient(tree, &point);
  UINT flags = 0;
  HTREEITEM item = tag_tree_view::HitTest(tree, point, &flags);
  if (!(flags & TVHT_ONITEM)) return;
  if (const TagEntry* tag = tag_tree_view::EntryOf(tree, item)) tag_panel_editor::Insert(*tag, tree);
}

// The note, of any length, into the tip's buffer of cchTextMax units.
void InfoTip(HWND tree, NMTVGETINFOTIPW& tip) {
  if (!tip.pszText || tip.cchTextMax <= 0) return;
  const TagEntry* tag = tag_tree_view::EntryOf(tree, tip.hItem);
  const std::u16string_view note = tag ? tag->note.View() : std::u16string_view();
  const std::size_t units = std::min<std::size_t>(note.size(), static_cast<std::size_t>(tip.cchTextMax) - 1);
  std::copy_n(note.data(), units, reinterpret_cast<char16_t*>(tip.pszText));
  tip.pszText[units] = L'\0';
}

// A folder about to open with no tags loses its button.
void Expanding(HWND tree, const NMTREEVIEWW& info) {
  HTREEITEM folder = info.itemNew.hItem;
  if (!tag_tree_view::FolderOf(tree, folder) ||
      SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(folder)))
    return;
  TVITEMW item = {};
  item.mask = TVIF_CHILDREN | TVIF_HANDLE;
  item.hItem = folder;
  item.cChildren = 0;
  SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool Notify(const NMHDR& header, LRESULT& result) {
  if (header.idFrom == kTabStripId && header.code == TCN_SELCHANGE) {
    ShowChosenPage();
    return true;
  }
  if (results_page::Notify(header, result)) return true;
  if (header.idFrom != kTreeId) return false;
  HWND tree = header.hwndFrom;
  const auto& info = reinterpret_cast<const NMTREEVIEWW&>(header);
  switch (header.code) {
    case NM_CLICK:
    case NM_DBLCLK:
      if ((header.code == NM_DBLCLK) == ProcessSettings().tag_panel_double_click) InsertAtPointer(tree);
      return false;
    case TVN_BEGINDRAGW:
      tag_drags::Begin(panel.base, tree, info.itemNew.hItem, GetKeyState(VK_SHIFT) < 0);
      return true;
    case TVN_GETINFOTIPW:
      InfoTip(tree, *reinterpret_cast<NMTVGETINFOTIPW*>(const_cast<NMHDR*>(&header)));
      return true;
    case TVN_DELETEITEMW:
      tag_tree_view::Deleted(tree, info);
      return true;
    case TVN_ITEMEXPANDINGW:
      Expanding(tree, info);
      return false;
  }
  return false;
}

LRESULT CALLBACK TreeProcedure(HWND tree, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_SETFOCUS: {
      const LRESULT result = DefSubclassProc(tree, message, wparam, lparam);
      tag_panel_editor::HandBackFocus();
      return result;
    }
    case WM_TIMER:
      if (tag_drags::Timer(wparam)) return 0;
      break;
    case WM_MOUSEWHEEL:
      if (pane_bases::RouteWheel(tree, wparam, lparam)) return 0;
      break;
    case tag_panel_editor::kInsertionDone:
      tag_panel_editor::InsertionDone();
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(tree, TreeProcedure, kSubclassId);
      tag_drags::Forget();
      panel = Panel();
      break;
  }
  return DefSubclassProc(tree, message, wparam, lparam);
}

HWND Child(HWND base, DWORD extended, const wchar_t* name, DWORD style, int id) {
  return CreateWindowExW(extended, name, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, base,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(base, GWLP_HINSTANCE)), nullptr);
}

// The program's own path, empty when it does not fit (the defaults beside
// it are then not found).
void ProgramPath(WideString& path) {
  wchar_t buffer[kProgramPathLimit + 1] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, kProgramPathLimit + 1);
  if (length > 0 && length <= kProgramPathLimit) path.Assign(reinterpret_cast<const char16_t*>(buffer), length);
}

}  // namespace

bool CreateWith(HWND base, TagLibrary& library, bool whole) {
  panel.base = base;
  panel.tabs = Child(base, 0, WC_TABCONTROLW, WS_CLIPSIBLINGS | TCS_FOCUSNEVER, kTabStripId);
  panel.tree = Child(base, WS_EX_STATICEDGE, WC_TREEVIEWW,
                     TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_TRACKSELECT |
                         TVS_INFOTIP,
                     kTreeId);
  if (!panel.tabs || !panel.tree || !SetWindowSubclass(panel.tree, TreeProcedure, kSubclassId, 0)) {
    if (panel.tabs) DestroyWindow(panel.tabs);
    if (panel.tree) DestroyWindow(panel.tree);
    panel = Panel();
    return false;
  }
  // Without the results page the tags still work.
  results_page::Create(base, static_cast<HFONT>(Frame().ui_font));
  SendMessageW(panel.tree, TVM_SETINSERTMARKCOLOR, 0, kInsertMarkColour);
  SendMessageW(panel.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(Frame().ui_font), FALSE);
  SetTabText(true);
  panel.read_whole = Fill(library) && whole;
  LayOut();
  return true;
}

bool Create(HWND base) {
  WideString program;
  ProgramPath(program);
  const tag_library_file::Locations where = {Frame().settings_file_path.View(), program.View(),
                                             GetUserDefaultUILanguage()};
  TagLibrary library;
  WideString read;
  const bool whole = tag_library_file::Load(where, tag_library_file::SystemLibraryFiles(), library, read);
  // Filling the tree already sends notifications.
  pane_bases::SetContent(pane_bases::Side::kRight, Handle);
  if (CreateWith(base, library, whole)) {
    panel.read = std::move(read);
    if (!panel.read_whole && !panel.read.Empty()) PostMessageW(base, kTellUnread, 0, 0);
    return true;
  }
  pane_bases::SetContent(pane_bases::Side::kRight, nullptr);
  return false;
}

bool Handle(HWND base, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_SIZE:
      LayOut();
      return true;
    case WM_NOTIFY:
      return Notify(*reinterpret_cast<const NMHDR*>(lparam), result);
    case WM_MOUSEMOVE:
      return tag_drags::Move({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
    case WM_LBUTTONUP:
      return tag_drags::Release();
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != base) tag_drags::CaptureLost();
      return true;
    case WM_CONTEXTMENU:
      if (!panel.tree || !IsWindowVisible(panel.tree)) return false;
      tag_panel_commands::ShowMenu(base, panel.tree, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return true;
    case WM_COMMAND:
      if (results_page::Command(wparam)) return true;
      return panel.tree && tag_panel_commands::Run(panel.tree, LOWORD(wparam));
    case kTellUnread:
      error_box::ShowNamed(string_ids::kTagLibraryUnread, panel.read.View());
      return true;
  }
  return false;
}

bool SaveLibrary() {
  if (!panel.tree) return true;
  tag_tree_view::LibraryWalk walk(panel.tree);
  WideString written;
  const bool saved = tag_library_file::Save(Frame().settings_file_path.View(), panel.read_whole,
                                            tag_library_file::SystemLibraryFiles(), walk, written);
  // Tags.txt is written without a word (a failure is told at exit); a new
  // name must be told here.
  if (panel.read_whole) return saved;
  error_box::ShowNamed(saved ? string_ids::kTagLibrarySavedAs : string_ids::kTagLibraryNotSaved,
                       saved ? written.View() : panel.read.View());
  return true;
}

void ApplyFontAndLanguage(void* font) {
  if (!panel.tabs) return;
  SendMessageW(panel.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SetTabText(false);
  results_page::ApplyFontAndLanguage(static_cast<HFONT>(font));
  LayOut();
}

void ShowResults() {
  if (!panel.tabs) return;
  SendMessageW(panel.tabs, TCM_SETCURSEL, kResultsPage, 0);
  ShowChosenPage();
}

bool HasMenuTarget() { return panel.tree && tag_panel_commands::HasTarget(panel.tree); }

bool Empty() { return !panel.tree || SendMessageW(panel.tree, TVM_GETCOUNT, 0, 0) == 0; }

}  // namespace tag_panel
