#pragma once
// The words and numbers of a script, measured from their first unit so that
// the colouring knows at once what a token is and how long it runs.
#include <cstdint>

#include "editor/paint/syntax_state.h"

namespace script_words {

bool IsDigit(char16_t unit);
// Letters, "_", "$" and any non-ASCII unit that is not a space; "#" too,
// so that a private name is never taken for a keyword.
bool StartsWord(char16_t unit);
bool ContinuesWord(char16_t unit);

// The units of the word starting at index.
std::int32_t WordLength(LineUnits line, std::int32_t index);

enum class WordKind : std::int8_t {
  kName,
  kKeyword,         // a "/" after it starts a regular expression: "return /x/"
  kOperandKeyword,  // a value such as "this" or "null": a "/" after it divides
};
WordKind KindOf(LineUnits line, std::int32_t index, std::int32_t length);

// The units of the numeric literal starting at index (a digit, or a "."
// before one): decimal with fraction and exponent, or 0x, 0o, 0b; "_"
// separators and the BigInt "n" included.
std::int32_t NumberLength(LineUnits line, std::int32_t index);

}  // namespace script_words
