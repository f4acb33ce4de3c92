#include "editor/paint/script_words.h"

#include <string_view>

#include "editor/paint/unit_match.h"

namespace script_words {
namespace {

// The reserved words of ECMAScript, strict mode's included, with the
// literal names a reader takes for keywords.
constexpr std::u16string_view kKeywords[] = {
    u"await",   u"break",  u"case",       u"catch",     u"class",    u"const",   u"continue", u"debugger",
    u"default", u"delete", u"do",         u"else",      u"enum",     u"export",  u"extends",  u"finally",
    u"for",     u"function", u"if",       u"implements", u"import",  u"in",      u"instanceof", u"interface",
    u"let",     u"new",    u"package",    u"private",   u"protected", u"public", u"return",   u"static",
    u"switch",  u"throw",  u"try",        u"typeof",    u"var",      u"void",    u"while",    u"with",
    u"yield",
};
constexpr std::u16string_view kOperandKeywords[] = {u"this", u"super", u"true", u"false", u"null", u"undefined"};

bool IsSpace(char16_t unit) {
  return unit == 0x00A0 || unit == 0x1680 || (unit >= 0x2000 && unit <= 0x200A) || unit == 0x2028 ||
         unit == 0x2029 || unit == 0x202F || unit == 0x205F || unit == 0x3000 || unit == 0xFEFF;
}

bool IsAsciiLetter(char16_t unit) { return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z'); }

template <std::size_t N>
bool Listed(const std::u16string_view (&words)[N], LineUnits line, std::int32_t index, std::int32_t length) {
  for (std::u16string_view word : words)
    if (static_cast<std::int32_t>(word.size()) == length && unit_match::MatchesAt(line, index, word, false))
      return true;
  return false;
}

std::int32_t SkipDigits(LineUnits line, std::int32_t at) {
  while (IsDigit(line.At(at)) || line.At(at) == u'_') ++at;
  return at;
}

}  // namespace

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

bool ContinuesWord(char16_t unit) {
  if (unit < 0x80) return IsAsciiLetter(unit) || IsDigit(unit) || unit == u'_' || unit == u'$';
  return !IsSpace(unit);
}

bool StartsWord(char16_t unit) { return unit == u'#' || (ContinuesWord(unit) && !IsDigit(unit)); }

std::int32_t WordLength(LineUnits line, std::int32_t index) {
  std::int32_t end = index + 1;
  while (end < line.length && ContinuesWord(line.units[end])) ++end;
  return end - index;
}

WordKind KindOf(LineUnits line, std::int32_t index, std::int32_t length) {
  if (length < 2 || length > 10 || !IsAsciiLetter(line.At(index))) return WordKind::kName;
  if (Listed(kKeywords, line, index, length)) return WordKind::kKeyword;
  if (Listed(kOperandKeywords, line, index, length)) return WordKind::kOperandKeyword;
  return WordKind::kName;
}

std::int32_t NumberLength(LineUnits line, std::int32_t index) {
  std::int32_t at = index;
  const char16_t prefix = unit_match::FoldAscii(line.At(index + 1));
  if (line.At(index) == u'0' && (prefix == u'x' || prefix == u'o' || prefix == u'b')) {
    at += 2;
    while (ContinuesWord(line.At(at)) && line.At(at) < 0x80) ++at;  // digits, "_" and "n"
    return at - index;
  }
  at = SkipDigits(line, at);
  if (line.At(at) == u'.') at = SkipDigits(line, at + 1);
  if (unit_match::FoldAscii(line.At(at)) == u'e') {
    const std::int32_t sign = (line.At(at + 1) == u'+' || line.At(at + 1) == u'-') ? 1 : 0;
    if (IsDigit(line.At(at + 1 + sign))) at = SkipDigits(line, at + 1 + sign);
  }
  if (line.At(at) == u'n') ++at;
  return at - index;
}

}  // namespace script_words
