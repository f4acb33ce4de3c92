#include "editor/regex/regex_text_search.h"

#include <algorithm>

namespace regex_text_search {
namespace {

// The last non-empty match ending at or before column; matches may overlap
// the ones before them, as with the literal backward search.
RegexStatus LastBefore(const RegexPattern& pattern, const char16_t* line, std::int32_t length, std::int32_t column,
                       RegexMatch& found) {
  RegexStatus result = RegexStatus::kNotFound;
  RegexMatch match;
  for (std::int32_t from = 0; from < column;) {
    const RegexStatus status = pattern.Search(line, length, from, EmptyMatches::kNone, match);
    if (status == RegexStatus::kTooComplex) return status;
    if (status == RegexStatus::kNotFound || match.Start() >= column) break;
    if (match.End() <= column) {
      found = match;
      result = RegexStatus::kFound;
    }
    from = match.Start() + 1;
  }
  return result;
}

}  // namespace

RegexStatus Find(TextStore& store, std::int32_t line, std::int32_t column, const RegexPattern& pattern, bool forward,
                 text_search::Match& match, RegexMatch& groups) {
  if (!pattern.Compiled()) return RegexStatus::kNotFound;
  const std::int32_t count = store.LineCount();
  line = std::clamp(line, 0, count - 1);
  for (std::int32_t searched = 0; searched <= count; ++searched) {
    LineRecord& record = *store.Line(line);
    const char16_t* units = record.MakeContiguous();
    const std::int32_t length = record.TextLength();
    const RegexStatus status =
        forward ? (column <= length ? pattern.Search(units, length, std::max(column, 0), EmptyMatches::kNone, groups)
                                    : RegexStatus::kNotFound)
                : LastBefore(pattern, units, length, std::min(column, length), groups);
    if (status == RegexStatus::kTooComplex) return status;
    if (status == RegexStatus::kFound) {
      match = {{line, groups.Start(), 0}, {line, groups.End(), 0}};
      return status;
    }
    if (forward) {
      line = line + 1 < count ? line + 1 : 0;
      column = 0;
    } else {
      line = line > 0 ? line - 1 : count - 1;
      column = store.Line(line)->TextLength();
    }
  }
  return RegexStatus::kNotFound;
}

bool ForEachMatch(const RegexPattern& pattern, const char16_t* line, std::int32_t length,
                         const std::function<bool(const RegexMatch&)>& each) {
  RegexMatch match;
  EmptyMatches empties = EmptyMatches::kAny;
  for (std::int32_t from = 0; from <= length;) {
    const RegexStatus status = pattern.Search(line, length, from, empties, match);
    if (status != RegexStatus::kFound) return status != RegexStatus::kTooComplex;
    if (!each(match)) break;
    from = match.End();
    empties = match.Empty() ? EmptyMatches::kNotAtFrom : EmptyMatches::kAny;
  }
  return true;
}

}  // namespace regex_text_search
