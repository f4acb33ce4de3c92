#pragma once
// A text run through a colouring machine line by line, as painting does,
// from a fresh state: the colour slot of every unit, '0'..'9' and 'a'..'g'
// for slots 0..16, with '|' for each line feed (whose colour is never
// drawn as text).
#include <initializer_list>
#include <string>
#include <string_view>

#include "editor/paint/syntax_mode.h"
#include "editor/paint/syntax_state.h"

std::string SlotsOf(SyntaxMode mode, std::u16string_view text, SyntaxState* end_state = nullptr);

struct ColourCase {
  const char16_t* text;
  const char* slots;
};

// Expects each case's slots, naming the text of a failing one.
void ExpectColourCases(SyntaxMode mode, std::initializer_list<ColourCase> cases);
