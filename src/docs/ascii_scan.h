#pragma once
// Scanning bytes sixteen at a time: the loader looks at every byte
// of a file more than once, and most bytes of web pages are plain ASCII.
#include <emmintrin.h>

#include <bit>
#include <cstdint>

namespace ascii_scan {

// The first byte at or after at that is 0x80 or above; end when none.
// Sixteen bytes at a time, the place read off the sign bits, since in
// Japanese pages the runs of ASCII between characters are short.
inline const std::uint8_t* SkipAscii(const std::uint8_t* at, const std::uint8_t* end) {
  for (; end - at >= 16; at += 16) {
    const int high = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)));
    if (high != 0) return at + std::countr_zero(static_cast<unsigned>(high));
  }
  while (at < end && *at < 0x80) ++at;
  return at;
}

// The first CR or LF byte at or after at; end when none.  Sixteen bytes at
// a time, and the break's place read off the compare, since nearly every
// scan ends at a break a few dozen bytes on.
inline const std::uint8_t* FindLineBreak(const std::uint8_t* at, const std::uint8_t* end) {
  const __m128i line_feed = _mm_set1_epi8(0x0A);
  const __m128i carriage_return = _mm_set1_epi8(0x0D);
  for (; end - at >= 16; at += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const int breaks =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, line_feed), _mm_cmpeq_epi8(block, carriage_return)));
    if (breaks != 0) return at + std::countr_zero(static_cast<unsigned>(breaks));
  }
  while (at < end && *at != 0x0A && *at != 0x0D) ++at;
  return at;
}

// Widens the ASCII bytes from at on, up to end or the first byte of 0x80 or
// above, into UTF-16 units at out (advanced past them) and returns where it
// stopped; one pass, sixteen bytes at a time.  Blocks are read while they
// lie before readable_end, and up to fifteen units beyond the stop may be
// written, which out must have room for.
inline const std::uint8_t* WidenAscii(const std::uint8_t* at, const std::uint8_t* end,
                                      const std::uint8_t* readable_end, char16_t*& out) {
  const __m128i zero = _mm_setzero_si128();
  while (at < end && readable_end - at >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(block, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(block, zero));
    auto stops = static_cast<unsigned>(_mm_movemask_epi8(block));
    if (end - at < 16) stops |= ~0u << (end - at);
    if (stops != 0) {
      const int taken = std::countr_zero(stops);
      out += taken;
      return at + taken;
    }
    at += 16;
    out += 16;
  }
  while (at < end && *at < 0x80) *out++ = *at++;
  return at;
}

}  // namespace ascii_scan
