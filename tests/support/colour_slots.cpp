#include "support/colour_slots.h"

#include <gtest/gtest.h>

#include "editor/paint/syntax_colouring.h"

std::string SlotsOf(SyntaxMode mode, std::u16string_view text, SyntaxState* end_state) {
  static constexpr char kDigits[] = "0123456789abcdefg";
  static_assert(sizeof kDigits == kColourSlotCount + 1);
  SyntaxState state;
  std::string slots;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    end = end == std::u16string_view::npos ? text.size() : end + 1;
    const LineUnits line{text.data() + start, static_cast<std::int32_t>(end - start)};
    for (std::int32_t i = 0; i < line.length; ++i) {
      syntax_colouring::Step(state, mode, line, i);
      slots += line.units[i] == u'\n' ? '|' : kDigits[state.colour];
    }
    start = end;
  }
  if (end_state) *end_state = state;
  return slots;
}

void ExpectColourCases(SyntaxMode mode, std::initializer_list<ColourCase> cases) {
  for (const ColourCase& c : cases) {
    std::string shown;
    for (const char16_t* p = c.text; *p; ++p) shown += *p == u'\n' ? '|' : static_cast<char>(*p);
    EXPECT_EQ(SlotsOf(mode, c.text), c.slots) << "text: " << shown;
  }
}
