#pragma once
// Case and width conversions of a text: upper and lower case, full and half
// width, hiragana and katakana. The mapping values are those of the
// system's locale mapping flags, so that commands can pass them through.
#include <cstdint>

class WideString;

namespace text_mapping {

enum Mapping : std::uint32_t {
  kLowercase = 0x00000100,
  kUppercase = 0x00000200,
  kHiragana = 0x00100000,
  kKatakana = 0x00200000,
  kHalfwidth = 0x00400000,
  kFullwidth = 0x00800000,
};

// Maps count units (NULs included; the text needs no terminator) into
// result. False, result emptied, when the mapping is unknown, the text is
// empty or memory is short.
bool Map(std::uint32_t mapping, const char16_t* text, std::int32_t count, WideString& result);

}  // namespace text_mapping
