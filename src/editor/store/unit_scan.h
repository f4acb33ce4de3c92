#pragma once
// Scanning UTF-16 units eight at a time: the loader and the layout look at
// every unit of a file, and most units of web pages are printable ASCII.
#include <emmintrin.h>

#include <cstdint>
#include <cstring>

namespace unit_scan {

constexpr std::int32_t kBlockUnits = 8;

inline __m128i LoadBlock(const char16_t* units) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(units));
}

inline __m128i PrintableAscii(const char16_t* units) {
  const __m128i block = LoadBlock(units);
  return _mm_and_si128(_mm_cmpgt_epi16(block, _mm_set1_epi16(u' ' - 1)), _mm_cmplt_epi16(block, _mm_set1_epi16(u'~' + 1)));
}

// Bit k set when unit k of the block at units is printable ASCII (space to
// tilde); compared as signed, so that units from 0x8000 up fail the lower
// bound.
inline unsigned PrintableAsciiMask(const char16_t* units) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(PrintableAscii(units), _mm_setzero_si128())));
}

// The same for the sixteen units of two blocks.
inline unsigned PrintableAsciiMask16(const char16_t* units) {
  return static_cast<unsigned>(
      _mm_movemask_epi8(_mm_packs_epi16(PrintableAscii(units), PrintableAscii(units + kBlockUnits))));
}

// True when a CR or LF is among the count units.
inline bool HoldsLineBreak(const char16_t* units, std::int32_t count) {
  __m128i found = _mm_setzero_si128();
  std::int32_t i = 0;
  for (; count - i >= kBlockUnits; i += kBlockUnits) {
    const __m128i block = LoadBlock(units + i);
    found = _mm_or_si128(found, _mm_or_si128(_mm_cmpeq_epi16(block, _mm_set1_epi16(u'\n')),
                                             _mm_cmpeq_epi16(block, _mm_set1_epi16(u'\r'))));
  }
  if (_mm_movemask_epi8(found) != 0) return true;
  for (; i < count; ++i) {
    if (units[i] == u'\n' || units[i] == u'\r') return true;
  }
  return false;
}

// Copies count units between buffers that do not overlap, a block at a time
// and the last block overlapping the one before: the loader copies every
// line it makes, most a few dozen units long, where a library call costs
// more than the copy.
inline void CopyUnits(char16_t* to, const char16_t* from, std::int32_t count) {
  if (count >= kBlockUnits) {
    for (std::int32_t i = 0; i < count - kBlockUnits; i += kBlockUnits)
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), LoadBlock(from + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + count - kBlockUnits), LoadBlock(from + count - kBlockUnits));
  } else if (count >= 4) {
    std::memcpy(to, from, 8);
    std::memcpy(to + count - 4, from + count - 4, 8);
  } else if (count >= 2) {
    std::memcpy(to, from, 4);
    std::memcpy(to + count - 2, from + count - 2, 4);
  } else if (count == 1) {
    *to = *from;
  }
}

}  // namespace unit_scan
