#pragma once
// The colouring function of a document's syntax mode, unit by unit.
#include "editor/paint/syntax_mode.h"
#include "editor/paint/syntax_state.h"

namespace syntax_colouring {

// Advances over the unit at index; state.colour is then that unit's colour.
void Step(SyntaxState& state, SyntaxMode mode, LineUnits line, std::int32_t index);

// The mode's step function, for a caller stepping unit by unit; a mode
// without colouring gets one that does nothing.
using StepFunction = void (*)(SyntaxState&, LineUnits, std::int32_t);
StepFunction StepOf(SyntaxMode mode);

// Advances over a whole line without drawing.
void ScanLine(SyntaxState& state, SyntaxMode mode, LineUnits line);

}  // namespace syntax_colouring
