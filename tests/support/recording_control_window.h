#pragma once
// A control window for headless document tests: keeps the last state of
// each scroll bar, the parent notifications, the invalidated and scrolled
// areas, the caret and input-method calls, and the pointer services (capture,
// focus, cursors, pending auto-scroll steps), with a memory clipboard.
#include <cstdint>
#include <functional>
#include <vector>

#include "editor/control/control_window.h"
#include "platform/memory_clipboard.h"
#include "support/recording_input_method.h"

struct ParentMessage {
  std::uint32_t message;
  std::uintptr_t wparam;
  std::intptr_t lparam;
  bool operator==(const ParentMessage&) const = default;
};

struct PixelScroll {
  std::int32_t dx;
  std::int32_t dy;
  CanvasRect area;
};

class RecordingControlWindow final : public ControlWindow {
 public:
  void NotifyParent(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) override {
    messages.push_back({message, wparam, lparam});
    if (on_notify) on_notify(messages.back());
  }
  void SetScrollBar(ScrollBarKind bar, const ScrollBarState& state) override {
    (bar == ScrollBarKind::kVertical ? vertical : horizontal) = state;
  }
  void EnableScrollBar(ScrollBarKind bar, bool enable) override {
    if (bar == ScrollBarKind::kHorizontal) horizontal_enabled = enable;
  }
  void ScrollPixels(std::int32_t dx, std::int32_t dy, const CanvasRect& area) override {
    scrolls.push_back({dx, dy, area});
  }
  void Invalidate(const CanvasRect& area) override { invalidated.push_back(area); }
  void PaintNow() override { ++paints_now; }
  bool HasFocus() const override { return focused; }
  platform::SystemCaret& Caret() override { return caret; }
  platform::InputMethod& InputMethod() override { return input_method; }
  platform::Clipboard& Clipboard() override { return clipboard; }
  void CapturePointer() override { captured = true; }
  void ReleasePointer() override { captured = false; }
  void TakeFocus() override { focused = true; }
  void TrackPointerLeave() override { ++leave_requests; }
  void ShowCursor(EditorCursor cursor) override { cursors.push_back(cursor); }
  bool LeftButtonHeld() const override { return left_held; }
  void PostAutoScroll() override { ++auto_scrolls_pending; }
  void RemoveAutoScroll() override { auto_scrolls_pending = 0; }
  PointerPoint PointerPosition() const override { return pointer; }

  // Forgets the calls recorded so far.
  void Reset() {
    messages.clear();
    scrolls.clear();
    invalidated.clear();
    caret.calls.clear();
    input_method.calls.clear();
    paints_now = 0;
    cursors.clear();
  }
  // The parent messages of one kind, in order.
  std::vector<ParentMessage> MessagesOf(std::uint32_t message) const;
  // The topmost invalidated y, or -1 when nothing was invalidated.
  std::int32_t TopmostInvalidated() const;

  std::vector<ParentMessage> messages;
  std::vector<PixelScroll> scrolls;
  std::vector<CanvasRect> invalidated;
  ScrollBarState vertical;
  ScrollBarState horizontal;
  bool horizontal_enabled = true;
  int paints_now = 0;
  bool focused = true;
  RecordingSystemCaret caret;
  RecordingInputMethod input_method;
  platform::MemoryClipboard clipboard;
  // Called after each parent message is recorded.
  std::function<void(const ParentMessage&)> on_notify;
  bool captured = false;
  int leave_requests = 0;
  std::vector<EditorCursor> cursors;
  bool left_held = false;
  int auto_scrolls_pending = 0;
  PointerPoint pointer;
};
