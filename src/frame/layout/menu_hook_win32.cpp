#include "frame/layout/menu_hook.h"

#include <commctrl.h>
#include <windowsx.h>

#include "commands/command_ids.h"
#include "tools/toolbars/toolbars.h"

namespace menu_hook {
namespace {

HHOOK hook = nullptr;
HWND main = nullptr;
menu_navigation::State state;

HWND MenuBar() { return GetDlgItem(toolbars::Rebar(), toolbars::kMenuBarId); }

void MakeHot(std::uint16_t button) {
  HWND bar = MenuBar();
  state.hot = button;
  if (!bar) return;
  const LRESULT index = SendMessageW(bar, TB_COMMANDTOINDEX, button, 0);
  SendMessageW(bar, TB_SETHOTITEM, index, 0);
}

// The menu-bar button under a screen point; 0 when none.
std::uint16_t ButtonAt(POINT screen) {
  HWND bar = MenuBar();
  if (!bar) return 0;
  ScreenToClient(bar, &screen);
  const auto index = static_cast<int>(SendMessageW(bar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&screen)));
  if (index < 0) return 0;
  TBBUTTON button = {};
  if (!SendMessageW(bar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) return 0;
  const int id = button.idCommand;
  return id >= command_ids::kFirstMenuButton && id <= command_ids::kLastMenuButton ? static_cast<std::uint16_t>(id) : 0;
}

menu_navigation::Key KeyOf(WPARAM key) {
  switch (key) {
    case VK_RETURN:
      return menu_navigation::Key::kReturn;
    case VK_UP:
      return menu_navigation::Key::kUp;
    case VK_DOWN:
      return menu_navigation::Key::kDown;
    case VK_LEFT:
      return menu_navigation::Key::kLeft;
    case VK_RIGHT:
      return menu_navigation::Key::kRight;
    default:
      return menu_navigation::Key::kOther;
  }
}

bool Carry(const menu_navigation::Decision& decision) {
  if (decision.end_menu) EndMenu();
  if (decision.open_popup) PostMessageW(main, WM_APP, decision.open_popup, 0);
  if (decision.make_hot) MakeHot(decision.make_hot);
  return decision.eat;
}

LRESULT CALLBACK Filter(int code, WPARAM wparam, LPARAM lparam) {
  if (code == MSGF_MENU) {
    const MSG& message = *reinterpret_cast<const MSG*>(lparam);
    bool eaten = false;
    if (message.message == WM_KEYDOWN) {
      eaten = Carry(menu_navigation::OnKey(state, KeyOf(message.wParam)));
      if (!eaten && message.wParam >= 'A' && message.wParam <= 'Z')
        eaten = Carry(menu_navigation::OnLetter(state, static_cast<char16_t>(message.wParam)));
    } else if (message.message == WM_MOUSEMOVE) {
      eaten = Carry(menu_navigation::OnPointerMove(state, ButtonAt(message.pt)));
    } else if (message.message == WM_LBUTTONDOWN) {
      eaten = Carry(menu_navigation::OnLeftButton(state, ButtonAt(message.pt)));
    }
    if (eaten) return 1;
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

}  // namespace

bool Install(HWND main_window) {
  main = main_window;
  hook = SetWindowsHookExW(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId());
  return hook != nullptr;
}

void Remove() {
  if (hook) UnhookWindowsHookEx(hook);
  hook = nullptr;
}

menu_navigation::State& State() { return state; }

void EnterKeyboardMode() {
  state.keyboard_mode = true;
  MakeHot(command_ids::kFirstMenuButton);
}

void MenuLoopEnded() {
  state.keyboard_mode = false;
  MakeHot(0);
  state.hot = 0;
}

void ItemHighlighted() { state.item_touched = true; }

}  // namespace menu_hook
