#include "frame/layout/frame_geometry.h"

#include <algorithm>

#include "tools/panes/splitter_limits.h"

namespace frame_geometry {
namespace {
constexpr std::int32_t kEncodingPartFromRight = 250;
constexpr std::int32_t kLineBreakPartFromRight = 110;
}  // namespace

ClientLayout LayOutClient(std::int32_t width, std::int32_t height, const Panes& panes) {
  ClientLayout layout;
  const std::int32_t left = panes.left_shown ? panes.left_width : 0;
  const std::int32_t right = panes.right_shown ? panes.right_width : 0;
  layout.left = {0, 0, left, height};
  layout.right = {width - right, 0, right, height};
  layout.middle = {left, 0, std::max(0, width - left - right), height};
  return layout;
}

std::int32_t MinimumClientWidth(const Panes& panes) {
  return panes.left_width + panes.right_width + splitter_limits::kMinimumWidth;
}

std::array<std::int32_t, 3> StatusPartEdges(std::int32_t width) {
  width = std::max(0, width);
  const std::int32_t encoding = std::max(0, width - kEncodingPartFromRight);
  const std::int32_t line_breaks = std::max(encoding, width - kLineBreakPartFromRight);
  return {encoding, line_breaks, width};
}

}  // namespace frame_geometry
