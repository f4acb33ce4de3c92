#pragma once
// The first match of the searched text in one decoded line: literally (with
// or without the case of ASCII letters, as the find bar does) or as a
// regular expression.  Only non-empty matches count.
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/regex/regex_pattern.h"

struct SearchQuery {
  std::u16string text;
  bool match_case = false;
  bool regex = false;
};

class LineMatcher {
 public:
  // False, with the pattern engine's reason in error, for an empty text or
  // an invalid pattern.
  bool Prepare(const SearchQuery& query, std::u16string& error);

  // kFound with [start, end) of the first match; kTooComplex when the
  // pattern ran past the engine's budget on this line.
  RegexStatus First(std::u16string_view line, std::int32_t& start, std::int32_t& end) const;

 private:
  std::u16string literal_;  // folded when the case does not matter
  bool match_case_ = false;
  bool regex_ = false;
  RegexPattern pattern_;
  mutable std::u16string folded_;
};
