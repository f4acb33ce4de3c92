#include "base/frame_state.h"

FrameState& Frame() {
  static FrameState state;
  return state;
}
