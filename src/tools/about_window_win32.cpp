#include "tools/about_window_win32.h"

#include <shellapi.h>

#include "commands/command_ids.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace about_window {
namespace {

bool showing = false;

constexpr wchar_t kWindowClass[] = L"version_info_class";
constexpr wchar_t kLinkClass[] = L"version_url_class";
constexpr wchar_t kVersion[] = L"Vorndel version 1.1.1.1 (64-bit)";
constexpr wchar_t kAbout[] = L"A text editor for web authors.";
constexpr wchar_t kWebPage[] = L"https://vorndel.example.org/";
constexpr int kClientWidth = 274;
constexpr int kClientHeight = 75;

HFONT Font() { return static_cast<HFONT>(Frame().ui_font); }

void PaintText(HWND window, const wchar_t* text, COLORREF colour, HBRUSH background) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT rect = {};
  GetClientRect(window, &rect);
  FillRect(dc, &rect, background);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  HGDIOBJ old = SelectObject(dc, Font());
  DrawTextW(dc, text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(window, &paint);
}

LRESULT CALLBACK LinkProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      PaintText(window, kWebPage, RGB(0, 0, 255), GetSysColorBrush(COLOR_BTNFACE));
      return 0;
    case WM_LBUTTONDOWN: {
      SHELLEXECUTEINFOW execute = {};
      execute.cbSize = sizeof execute;
      execute.fMask = SEE_MASK_FLAG_NO_UI;
      execute.lpFile = kWebPage;
      execute.nShow = SW_SHOWNORMAL;
      ShellExecuteExW(&execute);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      HGDIOBJ old = SelectObject(dc, Font());
      RECT first = {12, 7, 262, 27}, second = {12, 27, 262, 47};
      DrawTextW(dc, kVersion, -1, &first, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      DrawTextW(dc, kAbout, -1, &second, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      SelectObject(dc, old);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE) DestroyWindow(window);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool Register(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, LPCWSTR cursor) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, cursor);
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

}  // namespace

void Show(HWND main_window) {
  HINSTANCE instance = static_cast<HINSTANCE>(Frame().program_module);
  if (!Register(instance, kWindowClass, WindowProcedure, IDC_ARROW)) return;
  if (!Register(instance, kLinkClass, LinkProcedure, IDC_HAND)) {
    UnregisterClassW(kWindowClass, instance);
    return;
  }
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
  RECT owner = {};
  GetWindowRect(main_window, &owner);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  WideString title;
  language_module::String(command_ids::kAbout, title);
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kWindowClass, title.Empty() ? L"" : reinterpret_cast<const wchar_t*>(title.Text()),
                                kStyle, (owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2,
                                width, height, main_window, nullptr, instance, nullptr);
  if (window) {
    // A fixed little window: its system menu offers only moving and closing.
    if (HMENU system = GetSystemMenu(window, FALSE))
      for (UINT item : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) DeleteMenu(system, item, MF_BYCOMMAND);
    CreateWindowExW(0, kLinkClass, L"", WS_CHILD | WS_VISIBLE, 12, 47, 250, 20, window, nullptr, instance, nullptr);
    EnableWindow(main_window, FALSE);
    showing = true;
    ShowWindow(window, SW_SHOW);
    SetFocus(window);
    MSG message = {};
    // Its own loop: a quit that arrives meanwhile is passed on, not lost.
    while (IsWindow(window)) {
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got == 0) {
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      if (got == -1) break;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (IsWindow(window)) DestroyWindow(window);
    showing = false;
  }
  if (IsWindow(main_window)) {
    EnableWindow(main_window, TRUE);
    SetForegroundWindow(main_window);
  }
  UnregisterClassW(kLinkClass, instance);
  UnregisterClassW(kWindowClass, instance);
}

bool Showing() { return showing; }

}  // namespace about_window
