#pragma once
// The drawing surface an editor control paints on: opaque text runs with
// explicit advances, filled rectangles and one-pixel lines. Windows draws
// with GDI; native tests record the calls.
#include <cstdint>

// 0x00BBGGRR, as the window system stores colours.
using Colour = std::uint32_t;

constexpr Colour MakeColour(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}

// Half-open: [left, right) x [top, bottom).
struct CanvasRect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
  bool Empty() const { return right <= left || bottom <= top; }
};

struct TextStyle {
  Colour text;
  Colour background;
  bool bold;
};

inline bool operator==(const TextStyle& a, const TextStyle& b) {
  return a.text == b.text && a.background == b.background && a.bold == b.bold;
}

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Draws count units with (x, y) the top-left of the first; unit i moves the
  // pen by advances[i] (0 for the second half of a surrogate pair). The
  // background covers [x, x + sum of advances) x [y, y + text height).
  virtual void DrawText(std::int32_t x, std::int32_t y, const char16_t* units, std::int32_t count,
                        const std::int32_t* advances, const TextStyle& style) = 0;
  virtual void FillRect(const CanvasRect& rect, Colour colour) = 0;
  // One pixel wide, from the first point up to but excluding the second.
  virtual void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour) = 0;
};
