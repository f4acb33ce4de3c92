#include "frame/shutdown.h"

#include <windows.h>

#include "frame/frame_state.h"

namespace shutdown {

bool Run(bool logoff) {
  FrameState& frame = Frame();
  frame.files = OpenedFiles();
  if (frame.accelerators) DestroyAcceleratorTable(static_cast<HACCEL>(frame.accelerators));
  frame.accelerators = nullptr;
  return true;
}

}  // namespace shutdown
