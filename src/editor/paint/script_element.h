#pragma once
// Where a script element of an HTML page starts and ends: the start tag's
// type attribute decides whether its content is a script, and "</script"
// ends it wherever it stands, inside a string or a comment too, as it does
// in a browser.
#include <cstdint>

#include "editor/paint/syntax_state.h"

namespace script_element {

// True when "</script" followed by a blank, "/" or ">" starts at index.
bool EndTagAt(LineUnits line, std::int32_t index);

// True when an attribute named "type" starts at index, after a blank.
bool TypeAttributeAt(LineUnits line, std::int32_t index);

// For the type attribute at index: true when its value (up to the line's
// end) is empty, a JavaScript type or "module", in any ASCII case; a bare
// attribute counts as empty.
bool TypeNamesScript(LineUnits line, std::int32_t index);

}  // namespace script_element
