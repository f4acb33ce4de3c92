#pragma once
// Undoing and redoing a run of edits.
#include <algorithm>
#include <cstdint>

#include "bench_document.h"

namespace bench {

// Undoes the last steps edits and redoes them; seconds per step, negative
// when the history ran out.
inline double UndoRedo(DocumentEditor& editor, std::int32_t steps) {
  const auto start = Clock::now();
  for (std::int32_t i = 0; i < steps; ++i) {
    if (!editor.Undo()) return -1;
  }
  for (std::int32_t i = 0; i < steps; ++i) {
    if (!editor.Redo()) return -1;
  }
  return SecondsSince(start) / steps;
}

// Seconds per step for few and for many steps, each the best of five
// rounds taken in turn, so that a stall of the machine does not land on one
// side only. Negative when the history ran out.
struct UndoFigures {
  double few = -1;
  double many = -1;
};

inline UndoFigures UndoRedoFewAndMany(DocumentEditor& editor, std::int32_t few, std::int32_t many) {
  UndoFigures figures{1e300, 1e300};
  for (int round = 0; round < 5; ++round) {
    const double few_seconds = UndoRedo(editor, few);
    const double many_seconds = UndoRedo(editor, many);
    if (few_seconds <= 0 || many_seconds <= 0) return {};
    figures.few = std::min(figures.few, few_seconds);
    figures.many = std::min(figures.many, many_seconds);
  }
  return figures;
}

}  // namespace bench
