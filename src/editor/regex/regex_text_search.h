#pragma once
// Finding a regular expression in a whole text store from a position, one
// line at a time (without its line feed), continuing at the other end of
// the text; and the matches of one line, for replacing and highlighting.
#include <cstdint>
#include <functional>

#include "editor/html/text_search.h"
#include "editor/regex/regex_pattern.h"
#include "editor/store/text_store.h"

namespace regex_text_search {

// As the literal search: every line once and the start line a second time
// from its other end. Only non-empty matches count; backward finds the
// last one that ends at column or before. A line that proves too complex
// ends the search with kTooComplex.
RegexStatus Find(TextStore& store, std::int32_t line, std::int32_t column, const RegexPattern& pattern, bool forward,
                 text_search::Match& match, RegexMatch& groups);

// Every match of line[0..length) in order, empty ones included (but none
// right where the previous one was empty); stops when each returns false.
// False when the line proved too complex.
bool ForEachMatch(const RegexPattern& pattern, const char16_t* line, std::int32_t length,
                         const std::function<bool(const RegexMatch&)>& each);

}  // namespace regex_text_search
