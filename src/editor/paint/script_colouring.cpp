#include "editor/paint/script_colouring.h"

#include <algorithm>

#include "editor/paint/script_nesting.h"
#include "editor/paint/script_words.h"
#include "editor/paint/unit_match.h"

namespace script_colouring {
namespace {

enum : std::int8_t {
  kCode = 0,
  kDoubleQuoted = 1,
  kDoubleQuotedEscape = 2,
  kSingleQuoted = 3,
  kSingleQuotedEscape = 4,
  kTemplate = 5,
  kTemplateEscape = 6,
  kTemplateDollar = 7,  // on the "$" of "${"
  kLineComment = 8,
  kBlockCommentOpening = 9,  // on the "/" of "/*"
  kBlockComment = 10,
  kBlockCommentStar = 11,
  kRegex = 12,
  kRegexEscape = 13,
  kRegexClass = 14,  // inside "[...]", where "/" does not end the expression
  kRegexClassEscape = 15,
};

// What the last token lets the next "/" or word be.
enum : std::int8_t {
  kExpressionStart = 0,  // "/" starts a regular expression
  kAfterOperand = 1,     // "/" divides
  kAfterDot = 2,         // a word is a property name, never a keyword
};

void Set(SyntaxState& state, std::int8_t script, int colour) {
  state.script = script;
  state.colour = static_cast<std::int8_t>(colour);
}

// A string, template or regular expression ends: a value, so a "/" after it
// divides. The closing unit keeps the literal's colour; one cut off by the
// line's end leaves the line feed in the text colour.
void EndLiteral(SyntaxState& state, int colour) {
  Set(state, kCode, colour);
  state.script_context = kAfterOperand;
}

// A token of known length: this unit and the next run - 1 share its colour.
void StartRun(SyntaxState& state, std::int32_t length, int colour, std::int8_t context) {
  Set(state, kCode, colour);
  state.script_run = length - 1;
  state.script_context = context;
}

void Word(SyntaxState& state, LineUnits line, std::int32_t index) {
  const std::int32_t length = script_words::WordLength(line, index);
  const script_words::WordKind kind =
      state.script_context == kAfterDot ? script_words::WordKind::kName : script_words::KindOf(line, index, length);
  if (kind == script_words::WordKind::kName) StartRun(state, length, kSlotText, kAfterOperand);
  else if (kind == script_words::WordKind::kOperandKeyword) StartRun(state, length, kSlotScriptKeyword, kAfterOperand);
  else StartRun(state, length, kSlotScriptKeyword, kExpressionStart);
}

void Slash(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t next = line.At(index + 1);
  if (next == u'/') Set(state, kLineComment, kSlotComment);
  else if (next == u'*') Set(state, kBlockCommentOpening, kSlotComment);
  else if (state.script_context != kAfterOperand) Set(state, kRegex, kSlotScriptNumber);
  else {
    Set(state, kCode, kSlotText);
    state.script_context = kExpressionStart;
  }
}

void CloseBrace(SyntaxState& state) {
  script_nesting::Frame top = script_nesting::kBrace;
  if (state.script_nesting != script_nesting::kEmpty)
    state.script_nesting = script_nesting::Pop(state.script_nesting, top);
  if (top == script_nesting::kSubstitution) {
    Set(state, kTemplate, kSlotValue);
    return;
  }
  Set(state, kCode, kSlotText);
  // A block's end more often starts a statement than ends a divided value.
  state.script_context = kExpressionStart;
}

void Punctuation(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  Set(state, kCode, kSlotText);
  switch (unit) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\r':
      return;
    case u')':
    case u']':
      state.script_context = kAfterOperand;
      return;
    case u'{':
      if (state.script_nesting != script_nesting::kEmpty)
        state.script_nesting = script_nesting::Push(state.script_nesting, script_nesting::kBrace);
      state.script_context = kExpressionStart;
      return;
    case u'}':
      CloseBrace(state);
      return;
    case u'.': {
      const bool spread = line.At(index - 1) == u'.' || line.At(index + 1) == u'.';
      state.script_context = spread ? kExpressionStart : kAfterDot;
      return;
    }
    case u'+':
    case u'-':
      // "x++ / 2" divides: an increment leaves the context as it was.
      if (line.At(index - 1) == unit || line.At(index + 1) == unit) return;
      break;
  }
  state.script_context = kExpressionStart;
}

void Code(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  if (unit == u'"') {
    Set(state, kDoubleQuoted, kSlotValue);
  } else if (unit == u'\'') {
    Set(state, kSingleQuoted, kSlotValue);
  } else if (unit == u'`') {
    Set(state, kTemplate, kSlotValue);
  } else if (unit == u'/') {
    Slash(state, line, index);
  } else if (unit == u'<' && unit_match::MatchesAt(line, index, u"<!--", false)) {
    Set(state, kLineComment, kSlotComment);  // the HTML-like comment scripts accept
  } else if (script_words::IsDigit(unit) || (unit == u'.' && script_words::IsDigit(line.At(index + 1)))) {
    StartRun(state, script_words::NumberLength(line, index), kSlotScriptNumber, kAfterOperand);
  } else if (script_words::StartsWord(unit)) {
    Word(state, line, index);
  } else {
    Punctuation(state, line, index);
  }
}

// A string's closing quote; the string ends at the line's end unless a
// backslash continues it.
void Quoted(SyntaxState& state, char16_t unit, char16_t quote, std::int8_t escape) {
  if (unit == u'\\') {
    Set(state, escape, kSlotValue);
  } else if (unit == quote) {
    EndLiteral(state, kSlotValue);
  } else if (unit == u'\n') {
    EndLiteral(state, kSlotText);
  } else {
    state.colour = kSlotValue;
  }
}

void Template(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  if (unit == u'\\') {
    Set(state, kTemplateEscape, kSlotValue);
  } else if (unit == u'`') {
    EndLiteral(state, kSlotValue);
  } else if (unit == u'$' && line.At(index + 1) == u'{') {
    Set(state, kTemplateDollar, kSlotValue);
  } else {
    state.colour = kSlotValue;
  }
}

void RegexEnd(SyntaxState& state, LineUnits line, std::int32_t index) {
  std::int32_t flags = 0;
  while (script_words::ContinuesWord(line.At(index + 1 + flags))) ++flags;
  StartRun(state, flags + 1, kSlotScriptNumber, kAfterOperand);
}

// Inside a regular expression, which cannot span lines.
void Regex(SyntaxState& state, LineUnits line, std::int32_t index) {
  const char16_t unit = line.At(index);
  if (unit == u'\n') {
    EndLiteral(state, kSlotText);
    return;
  }
  switch (state.script) {
    case kRegex:
      if (unit == u'/') {
        RegexEnd(state, line, index);
        return;
      }
      Set(state, unit == u'\\' ? kRegexEscape : unit == u'[' ? kRegexClass : kRegex, kSlotScriptNumber);
      return;
    case kRegexEscape:
      Set(state, kRegex, kSlotScriptNumber);
      return;
    case kRegexClass:
      Set(state, unit == u'\\' ? kRegexClassEscape : unit == u']' ? kRegex : kRegexClass, kSlotScriptNumber);
      return;
    default:  // kRegexClassEscape
      Set(state, kRegexClass, kSlotScriptNumber);
      return;
  }
}

}  // namespace

std::int32_t Pass(SyntaxState& state, LineUnits line, std::int32_t index) {
  using unit_match::SkipTo;
  if (state.script_run > 0) {
    const std::int32_t end = SkipTo<u'<'>({line.units, std::min(line.length, index + state.script_run)}, index);
    state.script_run -= end - index;
    return end;
  }
  switch (state.script) {
    case kDoubleQuoted:
      return SkipTo<u'"', u'\\', u'\n', u'<'>(line, index);
    case kSingleQuoted:
      return SkipTo<u'\'', u'\\', u'\n', u'<'>(line, index);
    case kTemplate:
      return SkipTo<u'`', u'\\', u'$', u'<'>(line, index);
    case kLineComment:
      return SkipTo<u'\n', u'<'>(line, index);
    case kBlockComment:
      return SkipTo<u'*', u'<'>(line, index);
    default:
      return index;
  }
}

void Reset(SyntaxState& state) {
  state.script = kCode;
  state.script_context = kExpressionStart;
  state.script_run = 0;
  state.script_nesting = script_nesting::kEmpty;
}

void Step(SyntaxState& state, LineUnits line, std::int32_t index) {
  if (state.script_run > 0) {
    --state.script_run;
    return;
  }
  const char16_t unit = line.At(index);
  switch (state.script) {
    case kCode:
      Code(state, line, index);
      return;
    case kDoubleQuoted:
      Quoted(state, unit, u'"', kDoubleQuotedEscape);
      return;
    case kSingleQuoted:
      Quoted(state, unit, u'\'', kSingleQuotedEscape);
      return;
    case kDoubleQuotedEscape:
      Set(state, kDoubleQuoted, kSlotValue);
      return;
    case kSingleQuotedEscape:
      Set(state, kSingleQuoted, kSlotValue);
      return;
    case kTemplate:
      Template(state, line, index);
      return;
    case kTemplateEscape:
      Set(state, kTemplate, kSlotValue);
      return;
    case kTemplateDollar:  // on the "{" of "${"
      Set(state, kCode, kSlotValue);
      state.script_context = kExpressionStart;
      state.script_nesting = script_nesting::Push(state.script_nesting, script_nesting::kSubstitution);
      return;
    case kLineComment:
      if (unit == u'\n') Set(state, kCode, kSlotText);
      else state.colour = kSlotComment;
      return;
    case kBlockCommentOpening:
      Set(state, kBlockComment, kSlotComment);
      return;
    case kBlockComment:
      Set(state, unit == u'*' ? kBlockCommentStar : kBlockComment, kSlotComment);
      return;
    case kBlockCommentStar:
      Set(state, unit == u'/' ? kCode : unit == u'*' ? kBlockCommentStar : kBlockComment, kSlotComment);
      return;
    default:
      Regex(state, line, index);
      return;
  }
}

}  // namespace script_colouring
