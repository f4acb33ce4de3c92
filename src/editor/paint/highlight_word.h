#pragma once
// The word whose occurrences a document highlights.
#include <string_view>

class WideString;

// What the highlight command asks of a document: every occurrence of the
// text, matched the way the find bar matches.
namespace highlight_word {

// Clears the word when it equals text, else replaces it with text (an empty
// text with no word does nothing). True when the word changed and the
// control needs repainting; false as well when memory ran out, the word
// then unchanged.
bool Toggle(WideString& word, std::u16string_view text);

}  // namespace highlight_word
