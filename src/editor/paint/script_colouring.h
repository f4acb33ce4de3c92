#pragma once
// The script colouring machine: keywords, numbers, strings, template
// literals with substitutions nested to any depth, comments and regular
// expressions, told from division by the token before the "/". Used for
// script files and for script elements inside HTML.
#include "editor/paint/syntax_state.h"

namespace script_colouring {

// Advances the state over the unit at index and sets the colour that unit
// is drawn in.
void Step(SyntaxState& state, LineUnits line, std::int32_t index);

// Passes the units from index on that Step would pass without changing
// more than a token's count, stopping at any "<" too (where a script
// element may end); returns the first unit not passed.
std::int32_t Pass(SyntaxState& state, LineUnits line, std::int32_t index);

// Back to the start of a script, outside every construct.
void Reset(SyntaxState& state);

}  // namespace script_colouring
