#pragma once
// Colouring states kept at the start of every few dozen lines, so that a
// paint resumes the colouring near the view instead of rescanning the text
// from the top: a state is 20 bytes, and resuming within about a screenful
// keeps a paint at the end of a large file as cheap as one at its top.
// States depend only on the text above them: every edit must drop those at
// and below its first changed line.
#include <cstdint>
#include <vector>

#include "editor/paint/syntax_mode.h"
#include "editor/paint/syntax_state.h"

class TextStore;

class ColourCheckpoints {
 public:
  static constexpr std::int32_t kDefaultSpacing = 32;

  explicit ColourCheckpoints(std::int32_t spacing = kDefaultSpacing);

  // The state before the first unit of line, from the nearest checkpoint
  // above it; checkpoints passed on the way are kept. A change of mode
  // drops them all.
  SyntaxState StateAtLine(TextStore& store, SyntaxMode mode, std::int32_t line);
  // Call with the first line an edit inserted, removed or changed.
  void InvalidateFrom(std::int32_t line);
  std::int32_t Count() const { return static_cast<std::int32_t>(states_.size()); }

 private:
  std::int32_t spacing_;
  SyntaxMode mode_ = kSyntaxNone;
  std::vector<SyntaxState> states_;  // states_[k]: before line k * spacing_
};

namespace colour_scan {

// The state before line, from checkpoints when given, else from the top.
SyntaxState StateAtLine(TextStore& store, SyntaxMode mode, std::int32_t line, ColourCheckpoints* checkpoints);

}  // namespace colour_scan
