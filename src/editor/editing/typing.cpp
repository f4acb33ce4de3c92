#include "editor/editing/typing.h"

#include <algorithm>

namespace typing {

std::int32_t Perform(DocumentEditor& editor, CharacterAction action, char16_t unit, bool auto_indent) {
  switch (action) {
    case CharacterAction::Ignore: return -1;
    case CharacterAction::DeleteSelection: return editor.DeleteSelection(RecordMode::Record, true);
    case CharacterAction::Backspace: return editor.DeleteUnit(true, true);
    case CharacterAction::Indent: return editor.IndentLines(nullptr, true);
    case CharacterAction::Unindent: return editor.UnindentLines(true);
    case CharacterAction::InsertTab: return editor.InsertUnit(u'\t', RecordMode::Record);
    case CharacterAction::LineBreak: {
      const TextPosition caret = editor.Selection().caret;
      if (caret.column != 0 && auto_indent && editor.AutoIndent()) return caret.line;
      return editor.InsertUnit(u'\n', RecordMode::Record);
    }
    case CharacterAction::Insert: return editor.InsertUnit(unit, RecordMode::Record);
  }
  return -1;
}

std::int32_t InsertComposition(DocumentEditor& editor, const char16_t* text, std::int32_t count) {
  if (!text || count <= 0) return -1;
  const auto length = static_cast<std::int32_t>(std::find(text, text + count, u'\0') - text);
  if (length == 0) return -1;
  return editor.InsertText(text, length, RecordMode::Record, true);
}

}  // namespace typing
