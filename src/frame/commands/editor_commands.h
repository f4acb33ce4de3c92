#pragma once
// The commands that act on the active document or on the editor switches
// every document shares: undo, the clipboard, selection, case and width
// conversion, indentation, the view switches and the document boundaries.
#include <cstdint>

#include "editor/control/document_set.h"

namespace editor_commands {

// Carries the command out; false when it is not one of these.  Commands
// on the active document do nothing while there is none.
bool Run(DocumentSet& set, std::uint16_t command);

}  // namespace editor_commands
