#pragma once
// JIS X 0208 characters and half-width katakana, as EUC-JP and ISO-2022-JP
// carry them, converted to and from Shift_JIS (code page 932).
#include <cstdint>

namespace jis {

// The two Shift_JIS bytes of the JIS X 0208 character at row/cell bytes j1
// and j2 (top bits already cleared).
void ToShiftJis(std::uint8_t j1, std::uint8_t j2, std::uint8_t shift_jis[2]);

// The JIS X 0208 bytes (7-bit) of a Shift_JIS pair.  IBM's extensions
// (0xFA40..0xFC4F) have no place in JIS X 0208 proper: they go to the rows
// their NEC counterparts use, and what has none to the full-width question
// mark (0x2129).  False when the pair has no JIS form at all, the
// arithmetic giving a byte outside 0x21..0x7E: the user-defined area
// (0xF040..0xF9FC) and pairs with a trail byte Shift_JIS does not use.
bool FromShiftJis(std::uint8_t s1, std::uint8_t s2, std::uint8_t jis[2]);

// These write the UTF-16 units of one character into out (room for 2) and
// return how many.
std::int32_t JisX0208ToUtf16(std::uint8_t j1, std::uint8_t j2, char16_t* out);
// byte is the Shift_JIS single byte, top bit set (0xA1..0xDF is katakana).
std::int32_t ShiftJisByteToUtf16(std::uint8_t byte, char16_t* out);

}  // namespace jis
