#include "support/recording_control_window.h"

#include <algorithm>

std::int32_t RecordingControlWindow::TopmostInvalidated() const {
  std::int32_t top = -1;
  for (const CanvasRect& area : invalidated) top = top < 0 ? area.top : std::min(top, area.top);
  return top;
}

std::vector<ParentMessage> RecordingControlWindow::MessagesOf(std::uint32_t message) const {
  std::vector<ParentMessage> found;
  for (const ParentMessage& sent : messages)
    if (sent.message == message) found.push_back(sent);
  return found;
}
