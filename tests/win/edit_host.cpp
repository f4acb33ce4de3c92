#include "win/edit_host.h"

#include "editor/control/edit_control_win32.h"
#include "platform/text_measurer.h"

namespace {

constexpr wchar_t kHostClass[] = L"edit_test_host_class";
std::vector<HostMessage> g_messages;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if ((message >= WM_APP && message <= WM_APP + 6) || message == WM_MOUSEWHEEL || message == WM_CONTEXTMENU) {
    g_messages.push_back({message, wparam, lparam});
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

WinEditHost::WinEditHost(const char16_t* face)
    : set_(std::make_unique<DocumentSet>(platform::CreateScreenTextMeasurer())) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW host_class{};
  host_class.cbSize = sizeof host_class;
  host_class.lpfnWndProc = HostProc;
  host_class.hInstance = instance;
  host_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  host_class.lpszClassName = kHostClass;
  RegisterClassExW(&host_class);
  edit_control::RegisterWindowClass(instance);
  set_->Metrics().SetFaceName(face);
  parent_ = CreateWindowExW(0, kHostClass, L"Editor control test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 800,
                            600, nullptr, nullptr, instance, nullptr);
  ShowWindow(parent_, SW_SHOW);
  g_messages.clear();
}

WinEditHost::~WinEditHost() {
  edit_control::DestroyAll(*set_);
  DestroyWindow(parent_);
  g_messages.clear();
}

Document* WinEditHost::CreateControl(std::int32_t rows, std::int32_t columns) {
  Document* document = edit_control::Create(*set_, parent_, 0, 400, 300);
  if (!document) return nullptr;
  HWND window = edit_control::WindowOf(*document);
  // Size the window so that its client area holds exactly rows and columns.
  RECT outer;
  RECT inner;
  GetWindowRect(window, &outer);
  GetClientRect(window, &inner);
  const TextMetrics& metrics = set_->Metrics();
  const std::int32_t client_width = document->Layout().MarginWidth() + 1 + columns * metrics.AverageWidth();
  const std::int32_t client_height = 2 + rows * metrics.LinePitch();
  MoveWindow(window, 0, 0, client_width + (outer.right - outer.left) - inner.right,
             client_height + (outer.bottom - outer.top) - inner.bottom, TRUE);
  ShowWindow(window, SW_SHOW);
  SetFocus(window);
  set_->SetActive(document);
  Pump();
  return document;
}

void WinEditHost::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::vector<HostMessage>& WinEditHost::Messages() { return g_messages; }
