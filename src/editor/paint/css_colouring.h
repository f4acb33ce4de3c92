#pragma once
// The CSS colouring machine: selector, property name and value, and
// comments. Used for CSS files and for style elements inside HTML.
#include "editor/paint/syntax_state.h"

namespace css_colouring {

// Advances the state over the unit at index and sets the colour that unit
// is drawn in.
void Step(SyntaxState& state, LineUnits line, std::int32_t index);

}  // namespace css_colouring
