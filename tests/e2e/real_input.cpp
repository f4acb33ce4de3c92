#include "e2e/real_input.h"

#include <vector>

#include "e2e/driver.h"

namespace e2e {
namespace {

constexpr DWORD kSettleMs = 150;

bool Send(HWND main_window, std::vector<INPUT>& inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // The input queue is read after sent messages; a round trip follows.
  Sleep(kSettleMs);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main_window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  return sent == inputs.size();
}

INPUT Key(WORD vk, wchar_t unit, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = unit ? unit : static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

bool ToFront(HWND main_window) {
  SetForegroundWindow(main_window);
  const bool front = WaitUntil(5000, [&] { return GetForegroundWindow() == main_window; });
  Sleep(kSettleMs);
  return front;
}

}  // namespace

void MouseAt(int x, int y, DWORD flags, bool settle) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65535 / (width - 1);
  input.mi.dy = y * 65535 / (height - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  SendInput(1, &input, sizeof input);
  if (settle) Sleep(100);
}

bool ClickAt(HWND main_window, HWND window, POINT client) {
  if (!ToFront(main_window)) return false;
  ClientToScreen(window, &client);
  MouseAt(client.x, client.y, 0);
  MouseAt(client.x, client.y, MOUSEEVENTF_LEFTDOWN);
  MouseAt(client.x, client.y, MOUSEEVENTF_LEFTUP);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main_window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  return true;
}

bool TypeText(HWND main_window, const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t unit : text) {
    inputs.push_back(Key(0, unit, KEYEVENTF_UNICODE));
    inputs.push_back(Key(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  return Send(main_window, inputs);
}

bool PressKey(HWND main_window, UINT virtual_key, bool shift, UINT modifier) {
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(Key(VK_SHIFT, 0, 0));
  if (modifier) inputs.push_back(Key(static_cast<WORD>(modifier), 0, 0));
  inputs.push_back(Key(static_cast<WORD>(virtual_key), 0, 0));
  inputs.push_back(Key(static_cast<WORD>(virtual_key), 0, KEYEVENTF_KEYUP));
  if (modifier) inputs.push_back(Key(static_cast<WORD>(modifier), 0, KEYEVENTF_KEYUP));
  if (shift) inputs.push_back(Key(VK_SHIFT, 0, KEYEVENTF_KEYUP));
  return Send(main_window, inputs);
}

}  // namespace e2e
