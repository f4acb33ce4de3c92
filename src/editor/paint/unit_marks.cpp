#include "editor/paint/unit_marks.h"

namespace unit_marks {
namespace {

struct Segment {
  std::int32_t x1, y1, x2, y2;
};

// Segments relative to the cell's right edge R and top y.
constexpr Segment kCrLfMark[] = {{-2, 3, -2, 8}, {-3, 8, -7, 8}, {-7, 8, -4, 11}, {-7, 8, -4, 5}};
constexpr Segment kLfMark[] = {{-4, 3, -4, 10}, {-4, 10, -1, 7}, {-4, 10, -7, 7}};
constexpr Segment kCrMark[] = {{-1, 6, -7, 6}, {-7, 6, -4, 9}, {-7, 6, -4, 3}};

template <std::size_t n>
void DrawSegments(Canvas& canvas, const Segment (&segments)[n], std::int32_t right, std::int32_t y, Colour colour) {
  for (const Segment& s : segments) canvas.DrawLine(right + s.x1, y + s.y1, right + s.x2, y + s.y2, colour);
}

std::int32_t FloorHalf(std::int32_t value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

}  // namespace

void DrawLineEnd(Canvas& canvas, std::int32_t x, std::int32_t y, LineBreakStyle style, Colour colour) {
  const std::int32_t right = x + 8;
  switch (style) {
    case kCrLf:
      DrawSegments(canvas, kCrLfMark, right, y, colour);
      return;
    case kLf:
      DrawSegments(canvas, kLfMark, right, y, colour);
      return;
    case kCr:
      DrawSegments(canvas, kCrMark, right, y, colour);
      return;
  }
}

void DrawTab(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t text_height, Colour colour) {
  const std::int32_t m = y + FloorHalf(text_height - 7);
  canvas.DrawLine(x + 2, m, x + 5, m + 3, colour);
  canvas.DrawLine(x + 5, m + 3, x + 1, m + 7, colour);
}

void DrawFullWidthSpace(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t text_height, Colour colour) {
  const std::int32_t left = x + 2, top = y + 2, right = x + width - 3, bottom = y + text_height - 3;
  canvas.DrawLine(left, top, left, bottom, colour);
  canvas.DrawLine(left, bottom, right, bottom, colour);
  canvas.DrawLine(right, bottom, right, top, colour);
  canvas.DrawLine(right, top, left, top, colour);
}

}  // namespace unit_marks
