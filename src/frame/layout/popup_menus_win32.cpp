#include "frame/layout/popup_menus_win32.h"

#include <commctrl.h>

#include "settings/accelerator_table.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "frame/layout/menu_hook_win32.h"
#include "settings/menus/menus_win32.h"
#include "settings/settings.h"
#include "tools/file_browser/file_browser_win32.h"
#include "tools/tag_panel/tag_panel_win32.h"
#include "tools/toolbars/toolbars_win32.h"

namespace popup_menus {
namespace {

constexpr UINT kContextMenuFlags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NOANIMATION;

HWND MainWindow() { return static_cast<HWND>(Frame().main_window); }

menu_tables::Situation CurrentSituation() {
  menu_tables::Situation situation;
  const Settings& settings = ProcessSettings();
  situation.left_pane = settings.left_pane_shown;
  situation.right_pane = settings.right_pane_shown;
  situation.find_bar = toolbars::FindBarShown();
  situation.recent_files_empty = settings.recent_files.empty();
  situation.clipboard_has_text = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
  situation.tag_target = tag_panel::HasMenuTarget();
  situation.tag_tree_empty = tag_panel::Empty();
  situation.folder_tree = file_browser::FolderTreeStates();
  if (DocumentSet* set = Frame().documents.get()) {
    situation.wrap = set->Settings().wrap;
    situation.bold_tags = set->Settings().bold_tags;
    situation.tag_pair = set->Settings().tag_pair_highlighting;
    situation.documents = set->Count();
    if (Document* active = set->Active()) {
      const SelectionState& selection = active->Selection();
      situation.can_undo = active->CanUndo();
      situation.can_redo = active->CanRedo();
      situation.has_selection = selection.exists;
      situation.selection_in_one_line = selection.start.line == selection.end.line;
    }
  }
  HWND tabs = GetDlgItem(GetDlgItem(GetDlgItem(MainWindow(), 301), 420), 421);
  if (tabs) {
    const auto count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
    situation.last_tab_selected = SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == count - 1;
  }
  return situation;
}

}  // namespace

bool Create() {
  // The shortcut's whole text stands in the key's place: the two are drawn
  // joined anyway.
  return menus::Create([](unsigned id) { return language_module::StringView(id); },
                       [](std::uint16_t command, WideString& prefix, WideString& key) {
                         prefix.Clear();
                         return accelerator_table::ShortcutText(command, key) && !key.Empty();
                       });
}

void OpenMenuBarPopup(std::uint16_t button) {
  const menu_tables::Popup popup = menu_tables::OfMenuButton(button);
  HMENU menu = menus::Handle(popup);
  HWND bar = GetDlgItem(toolbars::Rebar(), toolbars::kMenuBarId);
  if (!menu || !bar) return;
  RECT rect = {};
  SendMessageW(bar, TB_GETRECT, button, reinterpret_cast<LPARAM>(&rect));
  POINT corner = {rect.left, rect.bottom};
  ClientToScreen(bar, &corner);
  menu_navigation::State& state = menu_hook::State();
  state.open = button;
  state.hot = button;
  SendMessageW(bar, TB_SETHOTITEM, SendMessageW(bar, TB_COMMANDTOINDEX, button, 0), 0);
  TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NOANIMATION, corner.x, corner.y, MainWindow(), nullptr);
  state.open = 0;
}

void ShowContextMenu(menu_tables::Popup popup, POINT screen) {
  if (HMENU menu = menus::Handle(popup))
    TrackPopupMenuEx(menu, kContextMenuFlags, screen.x, screen.y, MainWindow(), nullptr);
}

std::uint16_t ChooseFromContextMenu(menu_tables::Popup popup, POINT screen, HWND owner) {
  HMENU menu = menus::Handle(popup);
  if (!menu) return 0;
  return static_cast<std::uint16_t>(
      TrackPopupMenuEx(menu, kContextMenuFlags | TPM_RETURNCMD, screen.x, screen.y, owner, nullptr));
}

namespace {
menu_tables::Popup last_popup = menu_tables::kPopupCount;
}  // namespace

void Prepare(HMENU menu) {
  const menu_tables::Popup popup = menus::PopupOf(menu);
  // A submenu opening keeps the popup that holds it as the one opened.
  if (popup != menu_tables::kConvert && popup != menu_tables::kRecentFiles && popup != menu_tables::kQuickTags)
    last_popup = popup;
  menus::Prepare(menu, ProcessSettings(), CurrentSituation());
}

menu_tables::Popup LastPopup() { return last_popup; }

bool HandleMenuMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  result = TRUE;
  switch (message) {
    case WM_MEASUREITEM:
      return wparam == 0 && menus::Measure(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam));
    case WM_DRAWITEM:
      return wparam == 0 && menus::Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
    case WM_INITMENUPOPUP:
      Prepare(reinterpret_cast<HMENU>(wparam));
      result = 0;
      return true;
  }
  return false;
}

}  // namespace popup_menus
