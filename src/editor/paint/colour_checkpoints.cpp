#include "editor/paint/colour_checkpoints.h"

#include <algorithm>
#include <new>

#include "editor/paint/syntax_colouring.h"
#include "editor/store/text_store.h"

namespace {

// Runs the colouring over count lines from line on; returns the line after.
LineRecord* ScanLines(LineRecord* line, SyntaxMode mode, std::int32_t count, SyntaxState& state) {
  for (; count > 0 && line; --count, line = line->Next())
    syntax_colouring::ScanLine(state, mode, {line->MakeContiguous(), line->Length()});
  return line;
}

}  // namespace

ColourCheckpoints::ColourCheckpoints(std::int32_t spacing) : spacing_(std::max<std::int32_t>(1, spacing)) {}

void ColourCheckpoints::InvalidateFrom(std::int32_t line) {
  const std::size_t keep = static_cast<std::size_t>(std::max<std::int32_t>(0, line) / spacing_) + 1;
  if (states_.size() > keep) states_.resize(keep);
}

SyntaxState ColourCheckpoints::StateAtLine(TextStore& store, SyntaxMode mode, std::int32_t line) {
  if (mode != mode_ || states_.empty()) {
    mode_ = mode;
    states_.assign(1, SyntaxState{});
  }
  line = std::clamp<std::int32_t>(line, 0, store.LineCount());
  const std::int32_t wanted = line / spacing_;
  std::int32_t known = std::min(wanted, Count() - 1);
  SyntaxState state = states_[static_cast<std::size_t>(known)];
  std::int32_t at = known * spacing_;
  LineRecord* record = store.Line(at);
  while (known < wanted) {
    // Keeps each state passed on the way; a failed push only costs a rescan.
    record = ScanLines(record, mode, spacing_, state);
    at += spacing_;
    ++known;
    try {
      states_.push_back(state);
    } catch (const std::bad_alloc&) {
      break;
    }
  }
  ScanLines(record, mode, line - at, state);
  return state;
}

namespace colour_scan {

SyntaxState StateAtLine(TextStore& store, SyntaxMode mode, std::int32_t line, ColourCheckpoints* checkpoints) {
  if (checkpoints) return checkpoints->StateAtLine(store, mode, line);
  SyntaxState state;
  ScanLines(store.Line(0), mode, line, state);
  return state;
}

}  // namespace colour_scan
