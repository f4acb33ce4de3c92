#pragma once
// The HTML construct around one unit of a line, read from the line's units
// alone: a whole tag, an attribute with its quoted value, a value, an
// entity, a CSS declaration or value, or the text between tags.
#include <cstdint>
#include <string_view>

namespace html_token {

// Units [start, end) of a line.
struct Span {
  std::int32_t start = 0;
  std::int32_t end = 0;
};

// The token holding unit hit of line (its units, line feed included); false
// when there is none or it is empty. hit is clamped into the line's text;
// on a "<" it moves to the unit after it, which the caller keeps as its hit
// unit. The span always lies inside the text before the line feed.
bool Find(std::u16string_view line, std::int32_t& hit, Span& span);

}  // namespace html_token
