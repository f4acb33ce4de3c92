#pragma once
// The window services an editor document needs from its control window:
// parent notifications, scroll bars, invalidation and scrolling of pixels,
// the system caret, the input method, the clipboard and the pointer.
// Windows implements it over the control's window; tests record the calls.
#include <cstdint>

#include "editor/control/editor_settings.h"
#include "editor/input/mouse_input.h"
#include "editor/layout/scroll_arithmetic.h"
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

  // The pointer: every mouse message goes to this window from a press to
  // its release, wherever the pointer is.
  virtual void CapturePointer() = 0;
  virtual void ReleasePointer() = 0;
  virtual void TakeFocus() = 0;
  // One leave notification when the pointer next leaves the window.
  virtual void TrackPointerLeave() = 0;
  virtual void ShowCursor(EditorCursor cursor) = 0;
  // The left button as it is now, not as it was when the message was sent.
  virtual bool LeftButtonHeld() const = 0;
  // EDN_AUTOSCROLL to the control itself, and taking back those pending.
  virtual void PostAutoScroll() = 0;
  virtual void RemoveAutoScroll() = 0;
  // Where the pointer is now, in client pixels.
  virtual PointerPoint PointerPosition() const = 0;
};
