#pragma once
// The HTML colouring machine: text, entities, tags with attributes and
// quoted values, comments and processing instructions (PHP), handing the
// inside of a CSS style element in the head to the CSS machine.
#include "editor/paint/syntax_state.h"

namespace html_colouring {

// Advances the state over the unit at index and sets the colour that unit
// is drawn in.
void Step(SyntaxState& state, LineUnits line, std::int32_t index);

// Advances over a whole line, as Step over each unit would.
void ScanLine(SyntaxState& state, LineUnits line);

}  // namespace html_colouring
