#include "editor/input/pointer_motion.h"

#include <cstdlib>

namespace pointer_motion {

std::int32_t Distance(const PointerPoint& from, const PointerPoint& to) {
  return std::abs(to.x - from.x) + std::abs(to.y - from.y);
}

bool IsDrag(const PointerPoint& press, const PointerPoint& now) { return Distance(press, now) > kDragThreshold; }

MouseState GestureStep(const PointerPoint& from, const PointerPoint& to) {
  if (Distance(from, to) < kGestureThreshold) return MouseState::Idle;
  const std::int32_t dx = to.x - from.x;
  const std::int32_t dy = to.y - from.y;
  if (std::abs(dx) < std::abs(dy)) return dy < 0 ? MouseState::GestureUp : MouseState::GestureDown;
  return dx < 0 ? MouseState::GestureLeft : MouseState::GestureRight;
}

std::int32_t GestureAction(MouseState state) {
  switch (state) {
    case MouseState::GestureLeft: return kActionGestureLeft;
    case MouseState::GestureRight: return kActionGestureRight;
    case MouseState::GestureUp: return kActionGestureUp;
    case MouseState::GestureDown: return kActionGestureDown;
    default: return -1;
  }
}

}  // namespace pointer_motion
