#pragma once
// Typed characters and input-method results entering the text: every one
// goes through the editing operations and is recorded for undo; typing over
// a selection replaces it.
#include <cstdint>

#include "editor/editing/document_editor.h"
#include "editor/input/key_action.h"

namespace typing {

// Carries out a character action for the typed unit; auto_indent is the
// editor setting for Enter. Returns the editing operation's result (the
// line where the change began, or -1 when nothing changed).
std::int32_t Perform(DocumentEditor& editor, CharacterAction action, char16_t unit, bool auto_indent);

// An input method's result string (count units, stopping at a NUL), as if
// typed at once: one undo step, a selection replaced.
std::int32_t InsertComposition(DocumentEditor& editor, const char16_t* text, std::int32_t count);

}  // namespace typing
