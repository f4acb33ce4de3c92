// Finding a literal pattern from the caret or the selection and selecting
// the match; whether the selection already is a match.
#include <string>

#include "editor/control/document.h"
#include "editor/html/line_search.h"
#include "editor/html/text_search.h"

bool Document::SelectionEquals(const char16_t* pattern, std::int32_t length) {
  if (!store_.Selection().exists || length <= 0) return false;
  WideString text;
  if (!store_.SelectionText(text, false) || text.Length() != static_cast<std::uint32_t>(length)) return false;
  const bool case_sensitive = metrics_.CaseSensitiveSearch();
  const char16_t* units = text.Text();
  for (std::int32_t i = 0; i < length; ++i) {
    if (!line_search::UnitMatches(units[i], pattern[i], case_sensitive)) return false;
  }
  return true;
}

bool Document::SelectionEqualsPattern(const char16_t* pattern) {
  if (!pattern) return false;
  return SelectionEquals(pattern, static_cast<std::int32_t>(std::char_traits<char16_t>::length(pattern)));
}

bool Document::Find(const char16_t* pattern, std::int32_t length, bool forward, bool direct_select) {
  if (!pattern || length <= 0) return false;
  const SelectionState& state = store_.Selection();
  TextPosition from = state.caret;
  if (state.exists) {
    // A selection that is the current match is stepped over; any other is
    // searched from its far side, so that a match inside it is found.
    const bool current = SelectionEquals(pattern, length);
    from = forward == current ? state.end : state.start;
    navigator_.ClearSelection();
  }
  text_search::Match match;
  if (!text_search::Find(store_, from.line, from.column, pattern, length, forward, metrics_.CaseSensitiveSearch(),
                         match)) {
    return false;
  }
  SelectMatch(match, direct_select);
  return true;
}

void Document::SelectMatch(const text_search::Match& match, bool direct_select) {
  const TextPosition anchor = editor_.At(match.start.line, match.start.column);
  const TextPosition end = editor_.At(match.end.line, match.end.column);
  if (direct_select) {
    editor_.Select(anchor, end);
  } else {
    store_.Selection().anchor = anchor;
    navigator_.GoTo(end, SelectionMode::Extend);
  }
}
