#pragma once
// Everything the syntax colouring carries from one unit to the next. It
// depends only on the text above, so it can be kept at checkpoints and
// resumed anywhere.
#include <cstdint>

#include "editor/paint/editor_colours.h"

enum HeadState : std::int8_t { kAfterHead = 0, kInsideHead = 1, kBeforeHead = 2 };
enum StyleState : std::int8_t { kNoStyle = 0, kStyleTagAwaitingType = 1, kInsideCssStyle = 2 };
enum ScriptElement : std::int8_t {
  kNoScript = 0,
  kScriptTag = 1,       // inside a script start tag, no type attribute yet
  kScriptTagTyped = 2,  // inside a script start tag whose type names a script
  kDataScriptTag = 3,   // inside a script start tag of another type
  kInsideScript = 4,    // between the start tag and "</script"
};

struct SyntaxState {
  std::int8_t html = 0;  // 0..22
  std::int8_t css = 0;   // 0..9
  std::int8_t saved_css = 0;       // CSS state before a comment
  std::int8_t saved_colour = kSlotText;  // colour before a CSS comment
  std::int8_t style = kNoStyle;
  std::int8_t head = kBeforeHead;
  bool bold = false;     // inside a "div" tag
  std::int8_t colour = kSlotText;  // current syntax colour slot
  std::int8_t script = 0;          // the script machine's state
  std::int8_t script_context = 0;  // what a "/" or a word means after the last token
  std::int8_t script_element = kNoScript;
  std::int32_t script_run = 0;       // units still to come of the current word, number or flags
  std::uint32_t script_nesting = 0;  // template substitutions and braces open (script_nesting)

  bool operator==(const SyntaxState&) const = default;
};

// One line's units for the colouring functions, which look a few units
// ahead; reads past the end give 0.
struct LineUnits {
  const char16_t* units;
  std::int32_t length;
  char16_t At(std::int32_t index) const { return index >= 0 && index < length ? units[index] : u'\0'; }
};
