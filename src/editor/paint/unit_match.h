#pragma once
// Comparing a line's units with a pattern at a position, with ASCII letters
// optionally matched in any case (never other letters: colouring must not
// depend on the user's locale).
#include <cstdint>
#include <string_view>

#include "editor/paint/syntax_state.h"

namespace unit_match {

inline char16_t FoldAscii(char16_t unit) {
  return (unit >= u'A' && unit <= u'Z') ? static_cast<char16_t>(unit + 32) : unit;
}

// True when the pattern lies wholly inside the line from index on.
inline bool MatchesAt(LineUnits line, std::int32_t index, std::u16string_view pattern, bool any_case) {
  if (index < 0 || static_cast<std::int64_t>(index) + static_cast<std::int64_t>(pattern.size()) > line.length)
    return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    const char16_t unit = line.units[index + static_cast<std::int32_t>(k)];
    if (any_case ? FoldAscii(unit) != FoldAscii(pattern[k]) : unit != pattern[k]) return false;
  }
  return true;
}

// The first unit from index on that is one of the stops, or the line's end.
template <char16_t... kStops>
std::int32_t SkipTo(LineUnits line, std::int32_t index) {
  while (index < line.length && ((line.units[index] != kStops) && ...)) ++index;
  return index;
}

}  // namespace unit_match
