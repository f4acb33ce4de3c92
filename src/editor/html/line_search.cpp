#include "editor/html/line_search.h"

namespace line_search {
namespace {

// The pattern compared with the line's units from column on, read across
// the gap without moving it; the caller keeps the range inside the line.
bool MatchesAt(const LineRuns& runs, std::int32_t column, const char16_t* pattern, std::int32_t length,
               bool case_sensitive) {
  for (std::int32_t i = 0; i < length; ++i) {
    const std::int32_t index = column + i;
    const char16_t unit =
        index < runs.first_count ? runs.first[index] : runs.second[index - runs.first_count];
    if (!UnitMatches(unit, pattern[i], case_sensitive)) return false;
  }
  return true;
}

}  // namespace

bool Forward(const LineRecord& line, std::int32_t start, const char16_t* pattern, std::int32_t length,
             bool case_sensitive, std::int32_t& column) {
  if (length <= 0 || !pattern) return false;
  if (start < 0) start = 0;
  const std::int32_t last = line.Length() - length;
  if (start > last) return false;
  const LineRuns runs = line.Runs();
  for (std::int32_t k = start; k <= last; ++k) {
    if (MatchesAt(runs, k, pattern, length, case_sensitive)) {
      column = k;
      return true;
    }
  }
  return false;
}

bool Backward(const LineRecord& line, std::int32_t end, const char16_t* pattern, std::int32_t length,
              bool case_sensitive, std::int32_t& column) {
  if (length <= 0 || !pattern || end > line.Length() || end < length) return false;
  const LineRuns runs = line.Runs();
  for (std::int32_t k = end; k >= length; --k) {
    if (MatchesAt(runs, k - length, pattern, length, case_sensitive)) {
      column = k;
      return true;
    }
  }
  return false;
}

}  // namespace line_search
