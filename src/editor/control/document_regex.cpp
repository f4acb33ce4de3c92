// Finding and replacing a regular expression from the caret or the
// selection, each match within one line.
#include <algorithm>
#include <vector>

#include "editor/control/document.h"
#include "editor/regex/regex_replacement.h"
#include "editor/regex/regex_text_search.h"

bool Document::SelectionMatches(const RegexPattern& pattern, RegexMatch& groups) {
  const SelectionState& state = store_.Selection();
  if (!state.exists || state.start.line != state.end.line) return false;
  LineRecord& line = *store_.Line(state.start.line);
  return pattern.MatchesExactly(line.MakeContiguous(), line.TextLength(), state.start.column, state.end.column,
                                groups) == RegexStatus::kFound;
}

RegexStatus Document::FindRegex(const RegexPattern& pattern, bool forward, bool direct_select) {
  const SelectionState& state = store_.Selection();
  TextPosition from = state.caret;
  if (state.exists) {
    // As with a literal pattern: a selection that is a match is stepped
    // over, any other searched from its far side.
    RegexMatch groups;
    const bool current = SelectionMatches(pattern, groups);
    from = forward == current ? state.end : state.start;
    navigator_.ClearSelection();
  }
  text_search::Match match;
  RegexMatch groups;
  const RegexStatus status = regex_text_search::Find(store_, from.line, from.column, pattern, forward, match, groups);
  if (status == RegexStatus::kFound) SelectMatch(match, direct_select);
  return status;
}

RegexStatus Document::ReplaceRegex(const RegexPattern& pattern, std::u16string_view replacement, bool all,
                                   std::int32_t& count) {
  count = 0;
  if (all) return ReplaceAllRegex(pattern, replacement, count);
  RegexMatch groups;
  if (SelectionMatches(pattern, groups)) {
    const std::u16string text =
        regex_replacement::Expand(replacement, store_.Line(store_.Selection().start.line)->MakeContiguous(), groups);
    if (ReplaceSelection(text.data(), static_cast<std::int32_t>(text.size()), true)) count = 1;
  } else if (store_.Selection().exists) {
    navigator_.ShowMove(store_.Selection().start, SelectionMode::Collapse, true);
  }
  const RegexStatus status = FindRegex(pattern, true, false);
  if (status == RegexStatus::kFound) count = std::max(count, std::int32_t{1});
  return status == RegexStatus::kTooComplex || count == 0 ? status : RegexStatus::kFound;
}

RegexStatus Document::ReplaceAllRegex(const RegexPattern& pattern, std::u16string_view replacement,
                                      std::int32_t& count) {
  const TextPosition remembered = store_.Selection().caret;
  if (store_.Selection().exists) navigator_.ClearSelection();
  struct Pending {
    std::int32_t start, end;
    std::u16string text;
  };
  RegexStatus status = RegexStatus::kFound;
  std::vector<Pending> pending;
  for (std::int32_t line = 0; line < store_.LineCount(); ++line) {
    // The line's matches come from its text before any change; they are then
    // replaced from the right, so that the columns of the others hold.
    pending.clear();
    LineRecord& record = *store_.Line(line);
    const char16_t* units = record.MakeContiguous();
    if (!regex_text_search::ForEachMatch(pattern, units, record.TextLength(), [&](const RegexMatch& match) {
          pending.push_back({match.Start(), match.End(), regex_replacement::Expand(replacement, units, match)});
          return true;
        })) {
      status = RegexStatus::kTooComplex;
      break;
    }
    std::int32_t breaks = 0;
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
      if (it->start == it->end && it->text.empty()) continue;
      editor_.Select(editor_.At(line, it->start), editor_.At(line, it->end));
      if (!ReplaceSelection(it->text.data(), static_cast<std::int32_t>(it->text.size()), false)) break;
      ++count;
      breaks += static_cast<std::int32_t>(std::count(it->text.begin(), it->text.end(), u'\n'));
    }
    line += breaks;
  }
  FinishReplaceAll(remembered, count);
  if (status == RegexStatus::kTooComplex) return status;
  return count > 0 ? RegexStatus::kFound : RegexStatus::kNotFound;
}
