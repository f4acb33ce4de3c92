#pragma once
// How one UTF-16 unit advances the pen, as kept in the width cache.
#include <cstdint>

enum class CharClass : std::uint16_t {
  Unmeasured = 0,
  LineFeed = 1,        // no advance in layout; its painted mark is 8 pixels
  Tab = 2,             // to the next tab stop strictly to the right
  FullWidthSpace = 3,  // U+3000
  Ordinary = 4,
  HighSurrogate = 5,   // width of the whole pair
  LowSurrogate = 6,    // no advance; the high surrogate carries the pair
};

// Four-aligned, so that an entry of the width cache is read and written whole
// as one word while another thread may be filling it.
struct alignas(4) UnitInfo {
  CharClass char_class = CharClass::Unmeasured;
  std::uint16_t width = 0;
};

namespace text_advance {

// The pen position after a unit drawn at x; tab_pixels is at least 1.
inline std::int32_t After(UnitInfo unit, std::int32_t x, std::int32_t tab_pixels) {
  switch (unit.char_class) {
    case CharClass::Tab: return tab_pixels * ((x + tab_pixels) / tab_pixels);
    case CharClass::LineFeed:
    case CharClass::LowSurrogate:
    case CharClass::Unmeasured: return x;
    default: return x + unit.width;
  }
}

}  // namespace text_advance
