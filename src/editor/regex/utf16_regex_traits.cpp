#include "editor/regex/utf16_regex_traits.h"

#include <array>
#include <utility>

namespace {

enum : std::uint32_t {
  kAlpha = 1u << 0,
  kDigit = 1u << 1,
  kSpace = 1u << 2,
  kBlank = 1u << 3,
  kVertical = 1u << 4,
  kUpper = 1u << 5,
  kLower = 1u << 6,
  kPunct = 1u << 7,
  kControl = 1u << 8,
  kHexDigit = 1u << 9,
  kUnderscore = 1u << 10,
};

bool NonAsciiSpace(char16_t unit) {
  return unit == 0x85 || unit == 0xA0 || unit == 0x1680 || (unit >= 0x2000 && unit <= 0x200A) || unit == 0x2028 ||
         unit == 0x2029 || unit == 0x202F || unit == 0x205F || unit == 0x3000;
}

// Latin-1 symbols, general punctuation, CJK punctuation and the full-width
// ASCII punctuation.
bool NonAsciiPunctuation(char16_t unit) {
  return (unit >= 0xA1 && unit <= 0xBF) || unit == 0xD7 || unit == 0xF7 || (unit >= 0x2010 && unit <= 0x206F) ||
         (unit >= 0x3001 && unit <= 0x3003) || (unit >= 0x3008 && unit <= 0x3011) ||
         (unit >= 0x3014 && unit <= 0x301F) || (unit >= 0xFF01 && unit <= 0xFF0F) ||
         (unit >= 0xFF1A && unit <= 0xFF20) || (unit >= 0xFF3B && unit <= 0xFF40) ||
         (unit >= 0xFF5B && unit <= 0xFF65);
}

}  // namespace

Utf16RegexTraits::char_class_type Utf16RegexTraits::Classes(char_type unit) {
  if (unit >= 0x80) {
    if (NonAsciiSpace(unit)) return kSpace | (unit == 0x85 || unit == 0x2028 || unit == 0x2029 ? kVertical : kBlank);
    if (unit < 0xA0) return kControl;
    return NonAsciiPunctuation(unit) ? kPunct : kAlpha;
  }
  if (unit >= u'a' && unit <= u'z') return kAlpha | kLower | (unit <= u'f' ? kHexDigit : 0);
  if (unit >= u'A' && unit <= u'Z') return kAlpha | kUpper | (unit <= u'F' ? kHexDigit : 0);
  if (unit >= u'0' && unit <= u'9') return kDigit | kHexDigit;
  if (unit == u' ' || unit == u'\t') return kSpace | kBlank;
  if (unit >= 0x0A && unit <= 0x0D) return kSpace | kVertical | kControl;
  if (unit < 0x20 || unit == 0x7F) return kControl;
  return kPunct | (unit == u'_' ? kUnderscore : 0);
}

Utf16RegexTraits::char_class_type Utf16RegexTraits::ClassNamed(const std::u16string& name) {
  static const std::array<std::pair<std::u16string_view, char_class_type>, 20> kNames{{
      {u"alnum", kAlpha | kDigit},
      {u"alpha", kAlpha},
      {u"blank", kBlank},
      {u"cntrl", kControl},
      {u"d", kDigit},
      {u"digit", kDigit},
      {u"graph", kAlpha | kDigit | kPunct},
      {u"h", kBlank},
      {u"l", kLower},
      {u"lower", kLower},
      {u"print", kAlpha | kDigit | kPunct | kBlank},
      {u"punct", kPunct},
      {u"s", kSpace},
      {u"space", kSpace},
      {u"u", kUpper},
      {u"upper", kUpper},
      {u"v", kVertical},
      {u"w", kAlpha | kDigit | kUnderscore},
      {u"word", kAlpha | kDigit | kUnderscore},
      {u"xdigit", kHexDigit},
  }};
  for (const auto& [text, classes] : kNames)
    if (text == name) return classes;
  return 0;
}

int Utf16RegexTraits::value(char_type unit, int radix) const {
  int digit = -1;
  if (unit >= u'0' && unit <= u'9') digit = unit - u'0';
  else if (unit >= u'a' && unit <= u'z') digit = unit - u'a' + 10;
  else if (unit >= u'A' && unit <= u'Z') digit = unit - u'A' + 10;
  return digit < radix ? digit : -1;
}
