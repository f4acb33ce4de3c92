#pragma once
// How far the pointer must travel before a press becomes a drag or a
// gesture, and which way a gesture goes.
#include <cstdint>

#include "editor/control/editor_settings.h"
#include "editor/input/mouse_input.h"

namespace pointer_motion {

// A left press becomes a drag when the pointer went further than this
// (sum of the horizontal and vertical distances).
inline constexpr std::int32_t kDragThreshold = 2;
// A right-button movement of at least this much is a gesture step.
inline constexpr std::int32_t kGestureThreshold = 9;

std::int32_t Distance(const PointerPoint& from, const PointerPoint& to);
bool IsDrag(const PointerPoint& press, const PointerPoint& now);
// The gesture state for a movement from one point to another: the vertical
// direction when it went further up or down than sideways, else the
// horizontal one; Idle below the threshold.
MouseState GestureStep(const PointerPoint& from, const PointerPoint& to);
// The gesture a state stands for (5 to 8), or -1 for other states.
std::int32_t GestureAction(MouseState state);

}  // namespace pointer_motion
