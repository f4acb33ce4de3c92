#pragma once
// The vocabulary of pointer input over an editor control: the key and
// button flags that come with every mouse message (the window system's
// MK_ values), where the pointer hovers, and the action codes the parent
// turns into commands.
#include <cstdint>

namespace mouse_flag {
inline constexpr std::uint32_t kLeft = 0x0001;     // MK_LBUTTON
inline constexpr std::uint32_t kRight = 0x0002;    // MK_RBUTTON
inline constexpr std::uint32_t kShift = 0x0004;    // MK_SHIFT
inline constexpr std::uint32_t kControl = 0x0008;  // MK_CONTROL
inline constexpr std::uint32_t kMiddle = 0x0010;   // MK_MBUTTON
inline constexpr std::uint32_t kExtra1 = 0x0020;   // MK_XBUTTON1
inline constexpr std::uint32_t kExtra2 = 0x0040;   // MK_XBUTTON2
}  // namespace mouse_flag

// What lies under the pointer, decided while no button is held.
enum class HoverZone : std::int32_t {
  Unclassified = 0,  // also after the pointer left the window
  Text = 1,
  Margin = 2,        // the line-number margin
  Selection = 3,     // over the selected text
};

// Sent to the parent with EDN_MOUSECOMMAND; the gesture codes also travel
// with EDN_GESTURE while the right button is still held.
enum MouseAction : std::int32_t {
  kActionDoubleClick = 0,
  kActionRocker = 1,  // both buttons
  kActionMiddle = 2,
  kActionExtra1 = 3,
  kActionExtra2 = 4,
  kActionGestureLeft = 5,
  kActionGestureRight = 6,
  kActionGestureUp = 7,
  kActionGestureDown = 8,
  kGestureCancelled = 9,  // EDN_GESTURE only
};

// A point in the control's client pixels; negative or beyond the client
// size while the control holds the mouse.
struct PointerPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const PointerPoint&) const = default;
};
