#pragma once
// The window services an editor document needs from its control window:
// parent notifications, scroll bars, invalidation and scrolling of pixels,
// the system caret, the input method and the clipboard. Windows implements
// it over the control's window; tests record the calls.
#include <cstdint>

#include "editor/scroll_arithmetic.h"
#include "platform/canvas.h"

namespace platform {
class Clipboard;
class InputMethod;
class SystemCaret;
}

enum class ScrollBarKind : std::int32_t { kHorizontal = 0, kVertical = 1 };

class ControlWindow {
 public:
  virtual ~ControlWindow() = default;

  // Sent (not posted) to the parent window.
  virtual void NotifyParent(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) = 0;

  // Range 0..maximum, page and position, kept visible (disabled) when the
  // range does not call for scrolling, and redrawn.
  virtual void SetScrollBar(ScrollBarKind bar, const ScrollBarState& state) = 0;
  virtual void EnableScrollBar(ScrollBarKind bar, bool enable) = 0;
  // Moves the pixels inside area by (dx, dy) and invalidates what was
  // uncovered.
  virtual void ScrollPixels(std::int32_t dx, std::int32_t dy, const CanvasRect& area) = 0;
  virtual void Invalidate(const CanvasRect& area) = 0;
  // Paints what is invalid now rather than at the next idle moment.
  virtual void PaintNow() = 0;

  virtual bool HasFocus() const = 0;
  // The window's system caret and input-method context.
  virtual platform::SystemCaret& Caret() = 0;
  virtual platform::InputMethod& InputMethod() = 0;
  virtual platform::Clipboard& Clipboard() = 0;
};
