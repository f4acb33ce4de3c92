#include "editor/paint/paint_highlights.h"

#include "editor/paint/unit_match.h"
#include "editor/regex/regex_text_search.h"

void LineHighlighter::StartLine(std::int32_t line, LineUnits units) {
  line_ = line;
  units_ = units;
  // Occurrences are matched inside a line, so none runs on into the next.
  word_run_ = 0;
  match_ends_.clear();
  if (!highlights_.word_pattern) return;
  // The pattern sees the line without its line feed, as the search does.
  const std::int32_t length = units.length > 0 && units.units[units.length - 1] == u'\n' ? units.length - 1
                                                                                         : units.length;
  match_ends_.assign(static_cast<std::size_t>(units.length), 0);
  regex_text_search::ForEachMatch(*highlights_.word_pattern, units.units, length, [&](const RegexMatch& match) {
    if (!match.Empty()) match_ends_[static_cast<std::size_t>(match.Start())] = match.End();
    return true;
  });
}

bool LineHighlighter::InWord(std::int32_t index) {
  if (word_run_ > 0) --word_run_;
  if (highlights_.word_pattern) {
    if (index < static_cast<std::int32_t>(match_ends_.size()) && match_ends_[index] > index)
      word_run_ = match_ends_[index] - index;
    return word_run_ > 0;
  }
  const std::u16string_view word = highlights_.word;
  // A new occurrence may start right where the last one ended.
  if (!word.empty() && word_run_ == 0 &&
      unit_match::MatchesAt(units_, index, word, !highlights_.word_case_sensitive))
    word_run_ = static_cast<std::int32_t>(word.size());
  return word_run_ > 0;
}

bool LineHighlighter::InPair(std::int32_t index) const {
  const TagPairHighlight* pair = highlights_.pair;
  if (!pair || !pair->active) return false;
  for (const LineRange& range : {pair->start_tag, pair->end_tag})
    if (range.line == line_ && index >= range.first && index < range.end) return true;
  return false;
}

int LineHighlighter::BackgroundSlot(std::int32_t index) {
  const bool in_word = InWord(index);
  if (highlights_.has_selection) {
    const TextPosition here{line_, index, 0};
    if (!Precedes(here, highlights_.selection_start) && Precedes(here, highlights_.selection_end))
      return kSlotSelection;
  }
  if (InPair(index)) return kSlotPairHighlight;
  if (in_word) return kSlotWordHighlight;
  return kSlotBackground;
}
