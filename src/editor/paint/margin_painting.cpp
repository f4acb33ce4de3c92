#include "editor/paint/margin_painting.h"

#include <algorithm>

namespace margin_painting {
namespace {

// The separator sits 5 pixels left of the text in an 8-pixel gap.
constexpr std::int32_t kGap = 8;
constexpr std::int32_t kSeparatorOffset = 5;

void DrawSeparator(Canvas& canvas, const EditorColours& colours, std::int32_t margin_width, std::int32_t y,
                   std::int32_t pitch) {
  canvas.DrawLine(margin_width - kSeparatorOffset, y, margin_width - kSeparatorOffset, y + pitch,
                  colours[kSlotMarks]);
}

void Fill(Canvas& canvas, CanvasRect rect, Colour colour) {
  if (!rect.Empty()) canvas.FillRect(rect, colour);
}

}  // namespace

void DrawRow(Canvas& canvas, TextMetrics& metrics, const EditorColours& colours, std::int32_t margin_width,
             const MarginRow& row) {
  const std::int32_t pitch = metrics.LinePitch();
  const std::int32_t y = row.y;
  if (!row.first_row) {
    Fill(canvas, {0, y, margin_width, y + pitch}, colours[kSlotBackground]);
    DrawSeparator(canvas, colours, margin_width, y, pitch);
    return;
  }
  Fill(canvas, {margin_width - kGap, y, margin_width, y + pitch}, colours[kSlotBackground]);
  DrawSeparator(canvas, colours, margin_width, y, pitch);

  // The digits of line + 1 in cells of one average width, ending at the gap.
  const std::int32_t average = metrics.AverageWidth();
  char16_t digits[12];
  std::int32_t advances[12];
  std::int32_t count = 0;
  for (std::int64_t n = std::int64_t{row.line} + 1; n > 0; n /= 10) {
    digits[count] = static_cast<char16_t>(u'0' + n % 10);
    advances[count++] = average;
  }
  std::reverse(digits, digits + count);
  const std::int32_t left = margin_width - kGap - average * count;
  const Colour background = colours[row.marked ? kSlotMarkedNumber : kSlotBackground];
  canvas.DrawText(left, y, digits, count, advances,
                  {colours[row.caret_line ? kSlotText : kSlotMarks], background, false});
  Fill(canvas, {0, y, left, y + pitch}, background);
  Fill(canvas, {left, y + metrics.TextHeight(), margin_width - kGap, y + pitch}, background);
}

}  // namespace margin_painting
