#include "editor/control/edit_control_win32.h"

#include <imm.h>

#include <memory>

#include "editor/control/control_window.h"
#include "editor/control/edit_control_mouse_win32.h"
#include "platform/clipboard.h"
#include "platform/gdi_canvas.h"
#include "platform/input_method.h"
#include "platform/system_caret.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace edit_control {
namespace {

int BarCode(ScrollBarKind bar) { return bar == ScrollBarKind::kVertical ? SB_VERT : SB_HORZ; }

// The window side of one control. Owned by its Document; destroying it
// destroys the window unless the window already went with its parent.
class EditWindow final : public ControlWindow {
 public:
  EditWindow(Document& document, HWND parent) : document_(document), parent_(parent) {}
  ~EditWindow() override {
    if (!window_) return;
    // No message of the dying window may reach the document any more.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  EditWindow(const EditWindow&) = delete;
  EditWindow& operator=(const EditWindow&) = delete;

  // False when the window's caret, input method or clipboard could not be
  // made.
  bool Bind(HWND window) {
    window_ = window;
    caret_ = platform::CreateSystemCaret(window);
    input_method_ = platform::CreateInputMethod(window);
    clipboard_ = platform::CreateSystemClipboard(window);
    return caret_ && input_method_ && clipboard_;
  }
  void Unbind() { window_ = nullptr; }
  HWND Handle() const { return window_; }
  Document& Owner() { return document_; }

  void NotifyParent(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) override {
    if (parent_) SendMessageW(parent_, message, wparam, lparam);
  }
  void SetScrollBar(ScrollBarKind bar, const ScrollBarState& state) override {
    if (!window_) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = state.maximum;
    info.nPage = static_cast<UINT>(state.page);
    info.nPos = state.position;
    SetScrollInfo(window_, BarCode(bar), &info, TRUE);
  }
  void EnableScrollBar(ScrollBarKind bar, bool enable) override {
    if (window_) ::EnableScrollBar(window_, BarCode(bar), enable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
  }
  void ScrollPixels(std::int32_t dx, std::int32_t dy, const CanvasRect& area) override {
    if (!window_) return;
    const RECT rect{area.left, area.top, area.right, area.bottom};
    ScrollWindowEx(window_, dx, dy, &rect, &rect, nullptr, nullptr, SW_INVALIDATE);
  }
  void Invalidate(const CanvasRect& area) override {
    if (!window_) return;
    const RECT rect{area.left, area.top, area.right, area.bottom};
    InvalidateRect(window_, &rect, FALSE);
  }
  void PaintNow() override {
    if (window_) UpdateWindow(window_);
  }
  bool HasFocus() const override { return window_ && GetFocus() == window_; }
  platform::SystemCaret& Caret() override { return *caret_; }
  platform::InputMethod& InputMethod() override { return *input_method_; }
  platform::Clipboard& Clipboard() override { return *clipboard_; }

  void CapturePointer() override {
    if (window_) SetCapture(window_);
  }
  void ReleasePointer() override {
    if (window_ && GetCapture() == window_) ReleaseCapture();
  }
  void TakeFocus() override {
    if (window_) SetFocus(window_);
  }
  void TrackPointerLeave() override {
    if (!window_) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window_;
    TrackMouseEvent(&track);
  }
  void ShowCursor(EditorCursor cursor) override {
    // Cursors not loaded yet fall back to the system's.
    auto handle = static_cast<HCURSOR>(document_.Settings().cursors[cursor]);
    SetCursor(handle ? handle : LoadCursorW(nullptr, cursor == kCursorNo ? IDC_NO : IDC_ARROW));
  }
  bool LeftButtonHeld() const override {
    // The asynchronous state is the physical button's.
    return GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0;
  }
  void PostAutoScroll() override {
    if (window_) PostMessageW(window_, EDN_AUTOSCROLL, 0, 0);
  }
  void RemoveAutoScroll() override {
    if (!window_) return;
    MSG message;
    while (PeekMessageW(&message, window_, EDN_AUTOSCROLL, EDN_AUTOSCROLL, PM_REMOVE)) {
    }
  }
  PointerPoint PointerPosition() const override {
    POINT point{};
    if (!window_ || !GetCursorPos(&point)) return {};
    ScreenToClient(window_, &point);
    return {point.x, point.y};
  }

 private:
  Document& document_;
  HWND parent_;
  HWND window_ = nullptr;
  std::unique_ptr<platform::SystemCaret> caret_;
  std::unique_ptr<platform::InputMethod> input_method_;
  std::unique_ptr<platform::Clipboard> clipboard_;
};

EditWindow* WindowData(HWND window) {
  return reinterpret_cast<EditWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

KeyModifiers HeldModifiers() {
  KeyModifiers modifiers;
  modifiers.shift = GetKeyState(VK_SHIFT) < 0;
  modifiers.control = GetKeyState(VK_CONTROL) < 0;
  modifiers.alt = GetKeyState(VK_MENU) < 0;
  return modifiers;
}

// The input method asks from this thread; a request sent from another
// thread or process carries an address that means nothing here.  A size
// beyond any reconversion's is refused too.
constexpr DWORD kMaxReconversionBytes = 1 << 20;

LRESULT ReconversionRequest(Document& document, LPARAM lparam) {
  if (InSendMessage()) return 0;
  auto* buffer = reinterpret_cast<RECONVERTSTRING*>(lparam);
  if (buffer && (buffer->dwSize < sizeof(RECONVERTSTRING) || buffer->dwSize > kMaxReconversionBytes)) return 0;
  return document.Reconversion(reinterpret_cast<std::uint8_t*>(buffer), buffer ? buffer->dwSize : 0);
}

void PaintInto(HDC dc, Document& document) {
  TextMetrics& metrics = document.Metrics();
  if (!metrics.NormalFont()) return;
  platform::GdiCanvas canvas(dc, *metrics.NormalFont(), metrics.BoldFont(), metrics.TextHeight());
  document.Paint(canvas);
}

void Paint(HWND window, Document& document) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (!dc) return;
  PaintInto(dc, document);
  EndPaint(window, &paint);
}

void ScrollMessage(HWND window, Document& document, ScrollBarKind bar, WPARAM wparam) {
  const auto request = static_cast<ScrollRequest>(LOWORD(wparam));
  std::int32_t track = 0;
  if (request == ScrollRequest::kThumbTrack) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(window, BarCode(bar), &info)) track = info.nTrackPos;
  }
  document.Scroll(bar, request, track);
}

// The wheel scrolls this control when no key or button is held and the
// pointer is over it; anything else is for the parent.
void WheelMessage(HWND window, HWND parent, Document& document, WPARAM wparam, LPARAM lparam) {
  const POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  if (LOWORD(wparam) == 0 && WindowFromPoint(point) == window) {
    const std::int32_t step = document.Settings().wheel_step;
    document.ScrollBy(ScrollBarKind::kVertical, static_cast<short>(HIWORD(wparam)) > 0 ? step : -step);
    return;
  }
  if (parent) SendMessageW(parent, WM_MOUSEWHEEL, wparam, lparam);
}

LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CREATE) {
    auto* data = static_cast<EditWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    if (!data->Bind(window)) return -1;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
    return 0;
  }
  EditWindow* data = WindowData(window);
  if (!data) return DefWindowProcW(window, message, wparam, lparam);
  Document& document = data->Owner();
  switch (message) {
    case WM_NCDESTROY:
      // Gone with its parent: the document outlives the window.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      data->Unbind();
      break;
    case WM_SIZE:
      document.Resize(LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_SETFOCUS:
      document.FocusGained();
      return 0;
    case WM_KILLFOCUS:
      document.FocusLost();
      return 0;
    case WM_PAINT:
      Paint(window, document);
      return 0;
    case WM_PRINTCLIENT:
      PaintInto(reinterpret_cast<HDC>(wparam), document);
      return 0;
    case WM_CONTEXTMENU:
      if (GetFocus() == window) {
        document.FocusLost();
        document.FocusGained();
      }
      break;
    case WM_KEYDOWN:
      // Bit 30: the key was already down (auto-repeat).
      document.KeyDown(static_cast<std::uint32_t>(wparam), HeldModifiers(), (lparam & (1 << 30)) != 0);
      return 0;
    case WM_CHAR:
      document.Character(static_cast<char16_t>(wparam), HeldModifiers());
      return 0;
    case WM_IME_STARTCOMPOSITION:
      document.StartComposition();
      break;
    case WM_IME_ENDCOMPOSITION:
      document.EndComposition();
      break;
    case WM_IME_COMPOSITION:
      if (document.Composition((lparam & GCS_RESULTSTR) != 0)) return 0;
      break;
    case WM_IME_REQUEST:
      return wparam == IMR_RECONVERTSTRING ? ReconversionRequest(document, lparam) : 0;
    case WM_HSCROLL:
      ScrollMessage(window, document, ScrollBarKind::kHorizontal, wparam);
      return 0;
    case WM_VSCROLL:
      ScrollMessage(window, document, ScrollBarKind::kVertical, wparam);
      return 0;
    case WM_KEYUP:
      document.KeyUp(static_cast<std::uint32_t>(wparam));
      return 0;
    case WM_MOUSEWHEEL:
      WheelMessage(window, GetParent(window), document, wparam, lparam);
      return 0;
    default:
      break;
  }
  LRESULT result = 0;
  if (HandleMouseMessage(window, document, message, wparam, lparam, result)) return result;
  return DefWindowProcW(window, message, wparam, lparam);
}

void InitialBars(HWND window, bool wrapped) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  SetScrollInfo(window, SB_VERT, &info, TRUE);
  SetScrollInfo(window, SB_HORZ, &info, TRUE);
  if (wrapped) ::EnableScrollBar(window, SB_HORZ, ESB_DISABLE_BOTH);
}

}  // namespace

bool RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = EditWindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
  window_class.lpszClassName = kClassName;
  return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

Document* Create(DocumentSet& set, HWND parent, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (!set.EnsureFonts()) return nullptr;
  if (!set.Settings().cursors[kCursorArrow]) LoadCursors(set.Settings(), GetModuleHandleW(nullptr));
  auto document = std::make_unique<Document>(set.Metrics(), set.Settings());
  if (!document->Valid()) return nullptr;
  auto edit_window = std::make_unique<EditWindow>(*document, parent);
  const auto id = static_cast<std::intptr_t>(set.NextControlId());
  HWND window = CreateWindowExW(WS_EX_STATICEDGE, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                0, y, width, height, parent, reinterpret_cast<HMENU>(id),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                                edit_window.get());
  if (!window) return nullptr;
  // The caret presenter needs the window's caret, made at WM_CREATE.
  document->AttachWindow(std::move(edit_window));
  document->SetSyntaxModeFromPath();
  InitialBars(window, set.Settings().wrap);
  Document* created = document.get();
  if (!set.Add(std::move(document))) return nullptr;
  return created;
}

void Destroy(DocumentSet& set, Document* document) {
  // The window goes first, with the document still whole behind it.
  std::unique_ptr<Document> removed = set.Remove(document);
  if (removed) removed->AttachWindow(nullptr);
}

void DestroyAll(DocumentSet& set) {
  while (set.Count() > 0) Destroy(set, set.At(0));
}

HWND WindowOf(const Document& document) {
  auto* window = static_cast<EditWindow*>(document.Window());
  return window ? window->Handle() : nullptr;
}

Document* DocumentOf(HWND window) {
  wchar_t name[32];
  if (!GetClassNameW(window, name, 32) || lstrcmpW(name, kClassName) != 0) return nullptr;
  EditWindow* data = WindowData(window);
  return data ? &data->Owner() : nullptr;
}

void FollowSystemSettings(DocumentSet& set, HINSTANCE program) {
  LoadCursors(set.Settings(), program);
  for (std::int32_t i = 0; i < set.Count(); ++i)
    if (HWND window = WindowOf(*set.At(i)))
      SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveAll(DocumentSet& set, std::int32_t y, std::int32_t width, std::int32_t height) {
  for (std::int32_t i = 0; i < set.Count(); ++i)
    if (HWND window = WindowOf(*set.At(i))) MoveWindow(window, 0, y, width, height, TRUE);
}


}  // namespace edit_control
