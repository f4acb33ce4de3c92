#include "editor/paint/html_colouring.h"

#include <string_view>

#include "editor/paint/css_colouring.h"
#include "editor/paint/script_colouring.h"
#include "editor/paint/script_element.h"
#include "editor/paint/unit_match.h"

namespace html_colouring {
namespace {

enum : std::int8_t {
  kText = 0,
  kEntity = 1,
  kEntityEnded = 2,
  kTagName = 3,
  kTagClosed = 4,
  kAttributes = 5,
  kQuotedValue = 6,
  kValueClosed = 7,
  kCommentOpening = 8,  // 8, 9, 10: the "!--" of "<!--"
  kComment = 11,
  kCommentDash = 12,
  kCommentDashes = 13,
  kCommentClosed = 14,
  kInstructionOpening = 15,  // on the "?" of "<?"
  kInstructionFirst = 16,
  kCode = 17,
  kDoubleQuoted = 18,
  kSingleQuoted = 19,
  kStringClosed = 20,
  kInstructionClosing = 21,  // on the ">" of "?>"
  kInstructionClosed = 22,
};

bool IsBlank(char16_t unit) { return unit == u'\t' || unit == u'\n' || unit == u' '; }

void Set(SyntaxState& state, std::int8_t html, int colour) {
  state.html = html;
  state.colour = static_cast<std::int8_t>(colour);
}

// The tag name after "<" at index, ended by a blank or (unless the name must
// carry attributes) by ">".
bool TagNameIs(LineUnits line, std::int32_t index, std::u16string_view name, bool needs_attributes) {
  if (!unit_match::MatchesAt(line, index + 1, name, true)) return false;
  const char16_t after = line.At(index + 1 + static_cast<std::int32_t>(name.size()));
  return IsBlank(after) || (!needs_attributes && after == u'>');
}

// Tracks the head element (where a CSS style element may start) and the
// "div" tags drawn in bold.
void NoteTagName(SyntaxState& state, LineUnits line, std::int32_t index) {
  if (state.head == kInsideHead) {
    if (TagNameIs(line, index, u"/head", false)) {
      state.head = kAfterHead;
    } else {
      state.style = TagNameIs(line, index, u"style", true) ? kStyleTagAwaitingType : kNoStyle;
    }
    return;
  }
  if (state.head == kBeforeHead && TagNameIs(line, index, u"head", false)) {
    state.head = kInsideHead;
    return;
  }
  if (TagNameIs(line, index, u"div", false) || TagNameIs(line, index, u"/div", false)) state.bold = true;
}

void TagStart(SyntaxState& state, LineUnits line, std::int32_t index) {
  if (unit_match::MatchesAt(line, index, u"<!--", false)) {
    state.style = kNoStyle;
    Set(state, kCommentOpening, kSlotComment);
  } else if (line.At(index + 1) == u'?') {
    state.style = kNoStyle;
    Set(state, kInstructionOpening, kSlotTag);
  } else {
    Set(state, kTagName, kSlotTag);
    NoteTagName(state, line, index);
    if (state.script_element == kInsideScript) script_colouring::Reset(state);  // "</script"
    state.script_element = TagNameIs(line, index, u"script", false) ? kScriptTag : kNoScript;
  }
}

// A start tag's ">": after a script start tag of a script type the script
// machine takes over, from its start.
void CloseTag(SyntaxState& state) {
  Set(state, kTagClosed, kSlotTag);
  if (state.script_element == kScriptTag || state.script_element == kScriptTagTyped) {
    state.script_element = kInsideScript;
    script_colouring::Reset(state);
  } else {
    state.script_element = kNoScript;
  }
}

// Inside a script element only its end tag and processing instructions
// (PHP writing into the script) are read as HTML.
void ScriptRules(SyntaxState& state, LineUnits line, std::int32_t index) {
  if (line.At(index) == u'<' && (line.At(index + 1) == u'?' || script_element::EndTagAt(line, index)))
    TagStart(state, line, index);
  else
    script_colouring::Step(state, line, index);
}

void TextRules(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  if (state.script_element == kInsideScript) {
    ScriptRules(state, line, index);
  } else if (unit == u'<') {
    TagStart(state, line, index);
  } else if (state.style == kInsideCssStyle) {
    css_colouring::Step(state, line, index);
  } else if (unit == u'&') {
    Set(state, kEntity, kSlotEntity);
  }
}

// Back to text after an entity, a tag, a comment or an instruction.
void ReturnToText(SyntaxState& state, LineUnits line, std::int32_t index) {
  Set(state, kText, kSlotText);
  state.bold = false;
  TextRules(state, line, index);
}

void AttributeRules(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  if (unit == u'>') {
    CloseTag(state);
  } else if (unit == u'/') {
    Set(state, kTagName, kSlotTag);
  } else if (unit == u'"') {
    Set(state, kQuotedValue, kSlotValue);
  } else if (state.style == kStyleTagAwaitingType &&
             unit_match::MatchesAt(line, index, u"type=\"text/css\"", true)) {
    state.style = kInsideCssStyle;
  } else if (state.script_element == kScriptTag && script_element::TypeAttributeAt(line, index)) {
    state.script_element = script_element::TypeNamesScript(line, index) ? kScriptTagTyped : kDataScriptTag;
  }
}

bool InstructionEndsAt(LineUnits line, std::int32_t index) {
  return line.At(index) == u'?' && line.At(index + 1) == u'>';
}

void CodeRules(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  if (InstructionEndsAt(line, index)) Set(state, kInstructionClosing, kSlotTag);
  else if (unit == u'"') Set(state, kDoubleQuoted, kSlotValue);
  else if (unit == u'\'') Set(state, kSingleQuoted, kSlotValue);
}

using unit_match::SkipTo;

// The first unit from index on that can change the state, the state then
// as Step over the units before it leaves it.  A scan spends most of a page
// in text, values, comments and strings, so it passes them in tight loops.
std::int32_t NextEvent(SyntaxState& state, LineUnits line, std::int32_t index) {
  switch (state.html) {
    case kText:
      if (state.script_element == kInsideScript) return script_colouring::Pass(state, line, index);
      if (state.style == kInsideCssStyle) return index;
      return SkipTo<u'<', u'&'>(line, index);
    case kTagName:
      return SkipTo<u'\t', u'\n', u' ', u'>'>(line, index);
    case kQuotedValue:
    case kDoubleQuoted:
      return SkipTo<u'"'>(line, index);
    case kSingleQuoted:
      return SkipTo<u'\''>(line, index);
    case kComment:
      return SkipTo<u'-'>(line, index);
    case kCode:
      return SkipTo<u'?', u'"', u'\''>(line, index);
    default:
      return index;
  }
}

}  // namespace

void ScanLine(SyntaxState& state, LineUnits line) {
  for (std::int32_t i = NextEvent(state, line, 0); i < line.length; i = NextEvent(state, line, i + 1))
    Step(state, line, i);
}

void Step(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  switch (state.html) {
    case kText:
      TextRules(state, line, index);
      return;
    case kEntity:
      if (IsBlank(unit) || unit == u';') state.html = kEntityEnded;
      else if (unit == u'<') TagStart(state, line, index);
      return;
    case kEntityEnded:
    case kTagClosed:
    case kCommentClosed:
    case kInstructionClosed:
      ReturnToText(state, line, index);
      return;
    case kTagName:
      if (IsBlank(unit)) Set(state, kAttributes, kSlotAttribute);
      else if (unit == u'>') CloseTag(state);
      return;
    case kAttributes:
      AttributeRules(state, line, index);
      return;
    case kQuotedValue:
      if (unit == u'"') state.html = kValueClosed;
      return;
    case kValueClosed:
      Set(state, kAttributes, kSlotAttribute);
      AttributeRules(state, line, index);
      return;
    case kCommentOpening:
    case kCommentOpening + 1:
    case kCommentOpening + 2:
      ++state.html;
      return;
    case kComment:
      if (unit == u'-') state.html = kCommentDash;
      return;
    case kCommentDash:
      state.html = unit == u'-' ? kCommentDashes : kComment;
      return;
    case kCommentDashes:
      state.html = unit == u'>' ? kCommentClosed : kComment;
      return;
    case kInstructionOpening:
      state.html = kInstructionFirst;
      return;
    case kInstructionFirst:
      if (InstructionEndsAt(line, index)) Set(state, kInstructionClosing, kSlotTag);
      else Set(state, kCode, kSlotText);
      return;
    case kCode:
      CodeRules(state, line, index);
      return;
    case kDoubleQuoted:
      if (unit == u'"') state.html = kStringClosed;
      return;
    case kSingleQuoted:
      if (unit == u'\'') state.html = kStringClosed;
      return;
    case kStringClosed:
      Set(state, kCode, kSlotText);
      CodeRules(state, line, index);
      return;
    case kInstructionClosing:
      state.html = kInstructionClosed;
      return;
  }
}

}  // namespace html_colouring
