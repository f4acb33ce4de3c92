#include "frame/layout/dialog_anchor_win32.h"

#include "editor/control/edit_control_win32.h"
#include "base/frame_state.h"
#include "frame/layout/popup_menus_win32.h"
#include "tools/panes/pane_bases_win32.h"

namespace dialog_anchor {
namespace {

constexpr int kFolderTree = 402;
constexpr int kClient = 301;

}  // namespace

HWND Window() {
  Document* active = Frame().documents ? Frame().documents->Active() : nullptr;
  if (popup_menus::LastPopup() == menu_tables::kEditor && active) return edit_control::WindowOf(*active);
  HWND left = pane_bases::Base(pane_bases::Side::kLeft);
  HWND tree = GetDlgItem(left, kFolderTree);
  return tree && IsWindowVisible(left) ? tree : GetDlgItem(static_cast<HWND>(Frame().main_window), kClient);
}

void Place(HWND dialog) {
  RECT anchor = {};
  if (!GetWindowRect(Window(), &anchor)) return;
  SetWindowPos(dialog, nullptr, anchor.left, anchor.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace dialog_anchor
