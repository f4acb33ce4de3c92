#include "editor/layout/line_geometry.h"

#include <algorithm>

namespace line_geometry {
namespace {

bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }

}  // namespace

std::int32_t PenAt(TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t start,
                   std::int32_t end) {
  end = std::min(end, count);
  std::int32_t pen = 0;
  for (std::int32_t i = std::max(start, 0); i < end; ++i) {
    // Measured ordinary units just add their width; the rest take the
    // full advance rules.
    const UnitInfo info = metrics.Cached(units[i]);
    pen = info.char_class == CharClass::Ordinary ? pen + info.width : metrics.Advance(units, count, i, pen);
  }
  return pen;
}

Hit HitTest(TextMetrics& metrics, const char16_t* units, std::int32_t count, std::int32_t start,
            std::int32_t end, std::int32_t row_width, std::int32_t x) {
  end = std::min(end, count);
  x = std::clamp(x, 0, std::max(row_width, 0));
  std::int32_t pen = 0;
  std::int32_t before = 0;        // pen before the last character passed
  std::int32_t character = start; // its first unit
  std::int32_t i = start;
  while (i < end && pen < x) {
    character = i;
    before = pen;
    pen = metrics.Advance(units, count, i++, pen);
    if (IsHighSurrogate(units[character]) && i < end && IsLowSurrogate(units[i])) ++i;
  }
  Hit hit{i, pen, character};
  const std::int32_t width = pen - before;
  if (i > start && width > 0 && x < pen && x < pen - width / 2) {
    hit.column = character;
    hit.x = before;
  }
  return hit;
}

}  // namespace line_geometry
