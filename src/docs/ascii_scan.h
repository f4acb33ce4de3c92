#pragma once
// Scanning bytes eight or sixteen at a time: the loader looks at every byte
// of a file more than once, and most bytes of web pages are plain ASCII.
#include <emmintrin.h>

#include <bit>
#include <cstdint>
#include <cstring>

namespace ascii_scan {

inline std::uint64_t Load8(const std::uint8_t* at) {
  std::uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}

// Bit 7 of each byte of the result is set where the word's byte is zero
// (or, harmlessly, after such a byte).
inline std::uint64_t ZeroBytes(std::uint64_t word) {
  return (word - 0x0101010101010101ull) & ~word & 0x8080808080808080ull;
}

// The first byte at or after at that is 0x80 or above; end when none.
inline const std::uint8_t* SkipAscii(const std::uint8_t* at, const std::uint8_t* end) {
  while (end - at >= 8 && !(Load8(at) & 0x8080808080808080ull)) at += 8;
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

}  // namespace ascii_scan
