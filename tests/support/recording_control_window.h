#pragma once
// A control window for headless document tests: keeps the last state of
// each scroll bar, the parent notifications, the invalidated and scrolled
// areas and the caret calls, with a memory clipboard.
#include <cstdint>
#include <vector>

#include "editor/control_window.h"
#include "platform/memory_clipboard.h"

struct ParentMessage {
  std::uint32_t message;
  std::uintptr_t wparam;
  std::intptr_t lparam;
  bool operator==(const ParentMessage&) const = default;
};

struct WindowPoint {
  std::int32_t x;
  std::int32_t y;
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
  void MoveCaret(std::int32_t x, std::int32_t y) override {
    caret_x = x;
    caret_y = y;
  }
  void ShowCaret(bool show) override { caret_shown = show; }
  void MoveComposition(std::int32_t x, std::int32_t y) override { composition_moves.push_back({x, y}); }
  platform::Clipboard& Clipboard() override { return clipboard; }

  // Forgets the calls recorded so far.
  void Reset() {
    messages.clear();
    scrolls.clear();
    invalidated.clear();
    composition_moves.clear();
    paints_now = 0;
  }
  // The topmost invalidated y, or -1 when nothing was invalidated.
  std::int32_t TopmostInvalidated() const;

  std::vector<ParentMessage> messages;
  std::vector<PixelScroll> scrolls;
  std::vector<CanvasRect> invalidated;
  std::vector<WindowPoint> composition_moves;
  ScrollBarState vertical;
  ScrollBarState horizontal;
  bool horizontal_enabled = true;
  int paints_now = 0;
  bool focused = true;
  std::int32_t caret_x = -1;
  std::int32_t caret_y = -1;
  bool caret_shown = false;
  platform::MemoryClipboard clipboard;
};
