// Arbitrary text through the script machine, alone and inside HTML script
// elements. Every unit gets one colour of the table (a script alone only
// text, string, comment, keyword and number colours), and the run of a
// word, number or regular expression's flags ends inside its own line, so
// the colour runs cover the text exactly. A line scanned whole ends in the
// state that stepping over its units gives. The first byte chooses the
// mode; the rest is the text as UTF-16 units.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "editor/paint/syntax_colouring.h"

namespace {

bool ScriptColour(int colour) {
  return colour == kSlotText || colour == kSlotValue || colour == kSlotComment || colour == kSlotScriptKeyword ||
         colour == kSlotScriptNumber;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const SyntaxMode mode = (data[0] & 1) ? kSyntaxScript : kSyntaxHtml;
  std::u16string text((size - 1) / 2, u'\0');
  if (!text.empty()) std::memcpy(text.data(), data + 1, text.size() * 2);

  SyntaxState state, scanned;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    end = end == std::u16string::npos ? text.size() : end + 1;
    const LineUnits line{text.data() + start, static_cast<std::int32_t>(end - start)};
    for (std::int32_t i = 0; i < line.length; ++i) {
      syntax_colouring::Step(state, mode, line, i);
      if (state.colour < 0 || state.colour >= kColourSlotCount) std::abort();
      if (mode == kSyntaxScript && !ScriptColour(state.colour)) std::abort();
      if (state.script_run < 0 || state.script_run > line.length - 1 - i) std::abort();
    }
    syntax_colouring::ScanLine(scanned, mode, line);
    if (!(scanned == state)) std::abort();
    start = end;
  }
  return 0;
}
