#include "tools/panes/splitter_limits.h"

#include <algorithm>

namespace splitter_limits {

std::int32_t UpperLimit(std::int32_t client_width, std::int32_t other_pane_width) {
  return std::max(kMinimumWidth, client_width - other_pane_width - kMinimumWidth);
}

std::int32_t Clamp(std::int32_t distance, std::int32_t upper_limit) {
  return std::clamp(distance, kMinimumWidth, std::max(kMinimumWidth, upper_limit));
}

}  // namespace splitter_limits
