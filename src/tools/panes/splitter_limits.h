#pragma once
// How far a pane's splitter may be dragged: a pane and the document area
// beside it never become narrower than the minimum.
#include <cstdint>

namespace splitter_limits {

inline constexpr std::int32_t kMinimumWidth = 44;
// The strip at a pane's inner edge that the splitter is dragged by.
inline constexpr std::int32_t kStrip = 4;

// A splitter line's distance from its pane's outer edge is kept between
// the minimum and what leaves the document area its minimum beside the
// other pane, shown or not; the pane's width is then that distance + 2.
std::int32_t UpperLimit(std::int32_t client_width, std::int32_t other_pane_width);
std::int32_t Clamp(std::int32_t distance, std::int32_t upper_limit);
inline std::int32_t PaneWidthAfterDrag(std::int32_t distance) { return distance + 2; }

}  // namespace splitter_limits
