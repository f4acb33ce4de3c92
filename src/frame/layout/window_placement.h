#pragma once
// Where the main window opens: the saved rectangle fitted into the work
// area of the nearest monitor, or without saved settings 800 by 600
// centred on it.
#include <cstdint>

namespace window_placement {

struct Rect {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
};

inline constexpr std::int32_t kDefaultWidth = 800;
inline constexpr std::int32_t kDefaultHeight = 600;

// Whether a saved rectangle can be placed at all: an empty size or edges
// beyond the coordinate range (a damaged settings file) mean the default.
bool Usable(const Rect& saved);

// Shrinks the saved size to the work area and moves the saved edges inside.
Rect FitSaved(const Rect& saved, std::int32_t work_left, std::int32_t work_top, std::int32_t work_right,
              std::int32_t work_bottom);

// 800 by 600 centred on the work area (from its origin), or the whole work
// width or height when it is smaller.
Rect Centred(std::int32_t work_width, std::int32_t work_height);

}  // namespace window_placement
