#pragma once
#include <cstdint>

// One display row of a line: how many of the line's units it shows and how
// wide it is in pixels.
struct RowInfo {
  std::int32_t units;
  std::int32_t width;
};

// A place in the text. The column counts UTF-16 units from the line start;
// x is in pixels, from the line start when unwrapped and from the start of
// the position's display row when wrapped (it tells which of two rows a
// column on a row boundary is shown on).
struct TextPosition {
  std::int32_t line = 0;
  std::int32_t column = 0;
  std::int32_t x = 0;
};

inline bool operator==(const TextPosition& a, const TextPosition& b) {
  return a.line == b.line && a.column == b.column && a.x == b.x;
}

// Positions are ordered by line, then column; x plays no part.
inline bool Precedes(const TextPosition& a, const TextPosition& b) {
  return a.line < b.line || (a.line == b.line && a.column < b.column);
}
