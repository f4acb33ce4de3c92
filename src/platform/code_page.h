#pragma once
// Conversion between multi-byte text and UTF-16 through the system's code
// pages: UTF-8 (65001) and Shift_JIS (932), the two files are read and
// written with.
#include <cstdint>

namespace code_page {

inline constexpr unsigned kUtf8 = 65001;
inline constexpr unsigned kShiftJis = 932;

// Whether the system can convert text of this code page.
bool IsAvailable(unsigned code_page);

// Converts count bytes to UTF-16 into destination, which has room for
// capacity units.  Bytes the code page cannot convert become its default
// character (see DefaultCharacter).  Returns the units written; 0 when the
// result does not fit or the code page is unavailable.
std::int32_t ToUtf16(unsigned code_page, const char* bytes, std::int32_t count, char16_t* destination,
                     std::int32_t capacity);

// Converts count UTF-16 units to the code page into destination, which has
// room for capacity bytes.  Characters the code page lacks come out as its
// replacement.  Returns the bytes written; with capacity 0, the bytes the
// result needs; -1 when it does not fit; 0 on any other failure.
std::int32_t FromUtf16(unsigned code_page, const char16_t* units, std::int32_t count, char* destination,
                       std::int32_t capacity);

// The character a conversion puts in place of what it cannot convert
// (U+30FB for 932, U+FFFD for UTF-8).
char16_t DefaultCharacter(unsigned code_page);

// The start of the character after the one at `at` in a double-byte code
// page: two bytes for a lead byte followed by a non-NUL byte, otherwise one.
// Always advances and never goes beyond end (at < end).
const char* NextCharacter(unsigned code_page, const char* at, const char* end);

}  // namespace code_page
