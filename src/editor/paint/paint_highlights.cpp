#include "editor/paint/paint_highlights.h"

#include "editor/paint/unit_match.h"

void LineHighlighter::StartLine(std::int32_t line, LineUnits units) {
  line_ = line;
  units_ = units;
  // Occurrences are matched inside a line, so none runs on into the next.
  word_run_ = 0;
}

bool LineHighlighter::InPair(std::int32_t index) const {
  const TagPairHighlight* pair = highlights_.pair;
  if (!pair || !pair->active) return false;
  for (const LineRange& range : {pair->start_tag, pair->end_tag})
    if (range.line == line_ && index >= range.first && index < range.end) return true;
  return false;
}

int LineHighlighter::BackgroundSlot(std::int32_t index) {
  const std::u16string_view word = highlights_.word;
  if (!word.empty()) {
    if (word_run_ > 0) --word_run_;
    // A new occurrence may start right where the last one ended.
    if (word_run_ == 0 && unit_match::MatchesAt(units_, index, word, !highlights_.word_case_sensitive))
      word_run_ = static_cast<std::int32_t>(word.size());
  }
  if (highlights_.has_selection) {
    const TextPosition here{line_, index, 0};
    if (!Precedes(here, highlights_.selection_start) && Precedes(here, highlights_.selection_end))
      return kSlotSelection;
  }
  if (InPair(index)) return kSlotPairHighlight;
  if (word_run_ > 0) return kSlotWordHighlight;
  return kSlotBackground;
}
