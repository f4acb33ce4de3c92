#include "editor/paint/highlight_word.h"

#include "platform/wide_string.h"

namespace highlight_word {

bool Toggle(WideString& word, std::u16string_view text) {
  if (word.View() == text) {
    if (word.Empty()) return false;
    word.Clear();
    return true;
  }
  WideString replacement;
  if (!replacement.Assign(text)) return false;
  word = std::move(replacement);
  return true;
}

}  // namespace highlight_word
