#include "editor/paint/syntax_colouring.h"

#include "editor/paint/css_colouring.h"
#include "editor/paint/html_colouring.h"
#include "editor/paint/script_colouring.h"

namespace syntax_colouring {
namespace {

void NoStep(SyntaxState&, LineUnits, std::int32_t) {}

}  // namespace

StepFunction StepOf(SyntaxMode mode) {
  if (syntax_mode::UsesHtmlColouring(mode)) return html_colouring::Step;
  if (mode == kSyntaxCss) return css_colouring::Step;
  if (mode == kSyntaxScript) return script_colouring::Step;
  return NoStep;
}

void Step(SyntaxState& state, SyntaxMode mode, LineUnits line, std::int32_t index) {
  StepOf(mode)(state, line, index);
}

void ScanLine(SyntaxState& state, SyntaxMode mode, LineUnits line) {
  const StepFunction step = StepOf(mode);
  if (step == html_colouring::Step) return html_colouring::ScanLine(state, line);
  if (step == NoStep) return;
  if (step == script_colouring::Step) {
    for (std::int32_t i = script_colouring::Pass(state, line, 0); i < line.length;
         i = script_colouring::Pass(state, line, i + 1))
      step(state, line, i);
    return;
  }
  for (std::int32_t i = 0; i < line.length; ++i) step(state, line, i);
}

}  // namespace syntax_colouring
