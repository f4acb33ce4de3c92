#pragma once
// Code page 932 for the Linux stand-in of the system conversions: double-
// byte characters from glibc's iconv "CP932", single bytes, lone lead bytes
// and unmapped pairs as the Windows table has them, and the way back.
#include <cstdint>

namespace code_page {

inline constexpr char16_t kShiftJisDefault = u'\u30FB';
// What the way back writes for a character the code page lacks.
inline constexpr char kShiftJisUnmappable = '?';

inline bool IsShiftJisLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The character of a byte that is not a lead byte.
char16_t ShiftJisSingle(unsigned char byte);

class ShiftJisTables {
 public:
  // False when the system's iconv knows no CP932.
  bool Ready() const;
  // The character of a lead byte (0x81..0xFC) and any trail byte; the
  // default character when the pair is unmapped.
  char16_t Pair(unsigned char lead, unsigned char trail) const;
  // The bytes of a character: a single byte below 0x100, a pair as lead *
  // 256 + trail; 0 for a character the code page lacks (U+0000 is 0x00
  // either way).
  std::uint16_t Encode(char16_t unit) const;
};

const ShiftJisTables& ShiftJis();

}  // namespace code_page
