#pragma once
// Where the frame's windows go: the client area divided between the two
// side panes and the document area, the smallest client the panes leave
// room for, and the status bar's part edges.
#include <array>
#include <cstdint>

namespace frame_geometry {

struct Box {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const Box&) const = default;
};

struct Panes {
  std::int32_t left_width = 0;
  std::int32_t right_width = 0;
  bool left_shown = false;
  bool right_shown = false;
};

struct ClientLayout {
  Box left;
  Box right;
  Box middle;
};

ClientLayout LayOutClient(std::int32_t width, std::int32_t height, const Panes& panes);

// Both widths count whether or not their panes are shown, so that showing
// one never needs a wider window.
std::int32_t MinimumClientWidth(const Panes& panes);

// Right edges of the status bar's three parts: messages, encoding, line
// breaks; never negative, never out of order.
std::array<std::int32_t, 3> StatusPartEdges(std::int32_t width);

}  // namespace frame_geometry
