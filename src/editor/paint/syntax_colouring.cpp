#include "editor/paint/syntax_colouring.h"

#include "editor/paint/css_colouring.h"
#include "editor/paint/html_colouring.h"

namespace syntax_colouring {

void Step(SyntaxState& state, SyntaxMode mode, LineUnits line, std::int32_t index) {
  if (syntax_mode::UsesHtmlColouring(mode)) html_colouring::Step(state, line, index);
  else if (mode == kSyntaxCss) css_colouring::Step(state, line, index);
}

void ScanLine(SyntaxState& state, SyntaxMode mode, LineUnits line) {
  if (syntax_mode::UsesHtmlColouring(mode)) {
    for (std::int32_t i = 0; i < line.length; ++i) html_colouring::Step(state, line, i);
  } else if (mode == kSyntaxCss) {
    for (std::int32_t i = 0; i < line.length; ++i) css_colouring::Step(state, line, i);
  }
}

}  // namespace syntax_colouring
