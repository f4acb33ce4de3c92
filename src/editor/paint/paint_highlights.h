#pragma once
// The highlights painted over the syntax colours: the selection, the
// occurrences of the highlighted word and the highlighted tag pair.
#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/paint/syntax_state.h"
#include "editor/regex/regex_pattern.h"
#include "editor/store/text_position.h"

// Units [first, end) of one line.
struct LineRange {
  std::int32_t line = 0;
  std::int32_t first = 0;
  std::int32_t end = 0;
};

// A start tag and its end tag; cleared by every edit.
struct TagPairHighlight {
  bool active = false;
  LineRange start_tag;
  LineRange end_tag;
};

struct PaintHighlights {
  bool has_selection = false;
  TextPosition selection_start;  // the earlier end
  TextPosition selection_end;
  std::u16string_view word;      // empty: no highlighted word
  bool word_case_sensitive = false;
  // Set: the pattern's matches in each line are highlighted instead of the
  // word's occurrences.
  const RegexPattern* word_pattern = nullptr;
  const TagPairHighlight* pair = nullptr;
};

// Walks one line unit by unit and tells each unit's background slot:
// selection over tag pair over highlighted word over plain background.
class LineHighlighter {
 public:
  explicit LineHighlighter(const PaintHighlights& highlights) : highlights_(highlights) {}

  void StartLine(std::int32_t line, LineUnits units);
  // Call for every unit of the line in order, from 0.
  int BackgroundSlot(std::int32_t index);

 private:
  bool InPair(std::int32_t index) const;
  bool InWord(std::int32_t index);

  const PaintHighlights& highlights_;
  std::int32_t line_ = 0;
  LineUnits units_{nullptr, 0};
  std::int32_t word_run_ = 0;  // units of the current occurrence still to come
  std::vector<std::int32_t> match_ends_;  // per unit of the line: where its match ends, or 0
};
