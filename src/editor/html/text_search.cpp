#include "editor/html/text_search.h"

#include <algorithm>

#include "editor/html/line_search.h"

namespace text_search {
namespace {

Match MatchAt(TextStore& store, std::int32_t line, std::int32_t start, std::int32_t end) {
  Match match{{line, start, 0}, {line, end, 0}};
  // A match taking the line feed ends where the next line begins; a column
  // past the line's text would be no place for a caret.
  if (end > store.Line(line)->TextLength() && line + 1 < store.LineCount()) match.end = {line + 1, 0, 0};
  return match;
}

}  // namespace

bool Find(TextStore& store, std::int32_t line, std::int32_t column, const char16_t* pattern, std::int32_t length,
          bool forward, bool case_sensitive, Match& match) {
  if (length <= 0 || !pattern) return false;
  const std::int32_t count = store.LineCount();
  line = std::clamp(line, 0, count - 1);
  for (std::int32_t searched = 0; searched <= count; ++searched) {
    const LineRecord& record = *store.Line(line);
    std::int32_t found = 0;
    if (forward) {
      if (line_search::Forward(record, column, pattern, length, case_sensitive, found)) {
        match = MatchAt(store, line, found, found + length);
        return true;
      }
      line = line + 1 < count ? line + 1 : 0;
      column = 0;
    } else {
      if (line_search::Backward(record, column, pattern, length, case_sensitive, found)) {
        match = MatchAt(store, line, found - length, found);
        return true;
      }
      line = line > 0 ? line - 1 : count - 1;
      column = store.Line(line)->Length();
    }
  }
  return false;
}

}  // namespace text_search
