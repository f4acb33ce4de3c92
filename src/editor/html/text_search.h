#pragma once
// Finding a literal pattern in a whole text store from a position, line by
// line, continuing at the other end of the text. A match never spans lines.
#include <cstdint>

#include "editor/store/text_store.h"

namespace text_search {

// Where a match lies: its first unit and the position after its last (the
// start of the next line when the match ends with the line feed). x is 0.
struct Match {
  TextPosition start;
  TextPosition end;
};

// Searches from (line, column) forward, or backward to it; every line is
// searched once and the start line a second time from its other end. False
// when the pattern is empty or occurs nowhere.
bool Find(TextStore& store, std::int32_t line, std::int32_t column, const char16_t* pattern, std::int32_t length,
          bool forward, bool case_sensitive, Match& match);

}  // namespace text_search
