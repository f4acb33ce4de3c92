#pragma once
// Finding a literal pattern in the units of one line (its line feed
// included), forward from a column or backward to one. Only ASCII letters
// may match in another case, so that results never depend on the locale.
#include <cstdint>

#include "editor/store/line_record.h"
#include "editor/paint/unit_match.h"

namespace line_search {

inline bool UnitMatches(char16_t text, char16_t pattern, bool case_sensitive) {
  return text == pattern || (!case_sensitive && unit_match::FoldAscii(text) == unit_match::FoldAscii(pattern));
}

// The first column k >= start with the pattern at k .. k + length; false
// when length <= 0 or the pattern cannot fit. A negative start counts as 0.
bool Forward(const LineRecord& line, std::int32_t start, const char16_t* pattern, std::int32_t length,
             bool case_sensitive, std::int32_t& column);
// The last end column k <= end with the pattern at k - length .. k; false
// when length <= 0, the pattern cannot fit, or end lies past the line.
bool Backward(const LineRecord& line, std::int32_t end, const char16_t* pattern, std::int32_t length,
              bool case_sensitive, std::int32_t& column);

}  // namespace line_search
