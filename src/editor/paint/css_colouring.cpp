#include "editor/paint/css_colouring.h"

namespace css_colouring {
namespace {

enum : std::int8_t {
  kSelector = 0,
  kAfterBrace = 1,
  kAfterSemicolon = 2,
  kProperty = 3,
  kAfterColon = 4,
  kValue = 5,
  kCommentOpening = 6,  // on the "*" of "/*"
  kComment = 7,
  kCommentStar = 8,
  kCommentClosed = 9,
};

void Set(SyntaxState& state, std::int8_t css, int colour) {
  state.css = css;
  state.colour = static_cast<std::int8_t>(colour);
}

void Declaration(SyntaxState& state, char16_t unit) {
  const std::int8_t css = state.css;
  if (unit == u'}') {
    if (css != kSelector) Set(state, kSelector, kSlotText);
    return;
  }
  switch (css) {
    case kSelector:
      if (unit == u'{') state.css = kAfterBrace;
      return;
    case kAfterBrace:
      if (unit == u';') Set(state, kAfterSemicolon, kSlotText);
      else if (unit == u':') Set(state, kAfterColon, kSlotText);
      else Set(state, kProperty, kSlotCssProperty);
      return;
    case kAfterSemicolon:
      if (unit == u':') state.css = kAfterColon;
      else if (unit != u';') Set(state, kProperty, kSlotCssProperty);
      return;
    case kProperty:
      if (unit == u';') Set(state, kAfterSemicolon, kSlotText);
      else if (unit == u':') Set(state, kAfterColon, kSlotText);
      return;
    case kAfterColon:
      if (unit == u';') state.css = kAfterSemicolon;
      else if (unit != u':') Set(state, kValue, kSlotCssValue);
      return;
    case kValue:
      if (unit == u';') Set(state, kAfterSemicolon, kSlotText);
      return;
  }
}

}  // namespace

void Step(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  if (state.css == kCommentClosed) {
    state.css = state.saved_css;
    state.colour = state.saved_colour;
  }
  switch (state.css) {
    case kCommentOpening:
      state.css = kComment;
      return;
    case kComment:
      if (unit == u'*') state.css = kCommentStar;
      return;
    case kCommentStar:
      state.css = unit == u'/' ? kCommentClosed : kComment;
      return;
  }
  // Comments do not nest: "/*" is looked for only outside one, so that the
  // "*/" of "/* a /* b */" closes it.
  if (unit == u'/' && line.At(index + 1) == u'*') {
    state.saved_css = state.css;
    state.saved_colour = state.colour;
    Set(state, kCommentOpening, kSlotComment);
    return;
  }
  Declaration(state, unit);
}

}  // namespace css_colouring
