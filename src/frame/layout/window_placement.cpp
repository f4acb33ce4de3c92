#include "frame/layout/window_placement.h"

#include <algorithm>
#include <climits>

namespace window_placement {
namespace {

// One axis: the size shrinks to the span, the start moves into it.
void FitAxis(std::int32_t& start, std::int32_t& size, std::int32_t low, std::int32_t high) {
  size = std::min(size, high - low);
  start = start < low ? low : std::min(start, high - size);
}

void CentreAxis(std::int32_t& start, std::int32_t& size, std::int32_t span, std::int32_t wanted) {
  if (span < wanted) {
    start = 0;
    size = span;
  } else {
    start = (span - wanted) / 2;
    size = wanted;
  }
}

}  // namespace

bool Usable(const Rect& saved) {
  constexpr std::int64_t kHighest = INT32_MAX;
  return saved.width > 0 && saved.height > 0 && std::int64_t{saved.left} + saved.width <= kHighest &&
         std::int64_t{saved.top} + saved.height <= kHighest;
}

Rect FitSaved(const Rect& saved, std::int32_t work_left, std::int32_t work_top, std::int32_t work_right,
              std::int32_t work_bottom) {
  Rect fitted = saved;
  FitAxis(fitted.left, fitted.width, work_left, work_right);
  FitAxis(fitted.top, fitted.height, work_top, work_bottom);
  return fitted;
}

Rect Centred(std::int32_t work_width, std::int32_t work_height) {
  Rect centred;
  CentreAxis(centred.left, centred.width, work_width, kDefaultWidth);
  CentreAxis(centred.top, centred.height, work_height, kDefaultHeight);
  return centred;
}

}  // namespace window_placement
