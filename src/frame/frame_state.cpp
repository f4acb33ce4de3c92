#include "frame/frame_state.h"

FrameState& Frame() {
  static FrameState state;
  return state;
}
