#include "support/recording_control_window.h"

#include <algorithm>

std::int32_t RecordingControlWindow::TopmostInvalidated() const {
  std::int32_t top = -1;
  for (const CanvasRect& area : invalidated) top = top < 0 ? area.top : std::min(top, area.top);
  return top;
}
