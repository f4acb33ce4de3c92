#pragma once
// The character rules the regular-expression engine applies to the editor's
// UTF-16 units, the same on every platform and independent of the locale:
// only ASCII letters have a case (as in the literal search), and units
// outside ASCII count as letters unless they are known spaces or
// punctuation, so that \w takes a Japanese word whole.
#include <cstddef>
#include <cstdint>
#include <string>

class Utf16RegexTraits {
 public:
  using char_type = char16_t;
  using size_type = std::size_t;
  using string_type = std::u16string;
  using locale_type = int;
  using char_class_type = std::uint32_t;

  static size_type length(const char_type* text) { return std::char_traits<char16_t>::length(text); }
  char_type translate(char_type unit) const { return unit; }
  char_type translate_nocase(char_type unit) const { return unit >= u'A' && unit <= u'Z' ? unit + 32 : unit; }
  template <class Iterator>
  string_type transform(Iterator first, Iterator last) const {
    return string_type(first, last);
  }
  template <class Iterator>
  string_type transform_primary(Iterator first, Iterator last) const {
    string_type folded;
    for (; first != last; ++first) folded.push_back(translate_nocase(*first));
    return folded;
  }
  template <class Iterator>
  char_class_type lookup_classname(Iterator first, Iterator last) const {
    return ClassNamed(std::u16string(first, last));
  }
  // Only single units have collating names ([[.a.]]).
  template <class Iterator>
  string_type lookup_collatename(Iterator first, Iterator last) const {
    return last - first == 1 ? string_type(first, last) : string_type();
  }
  bool isctype(char_type unit, char_class_type classes) const { return (Classes(unit) & classes) != 0; }
  int value(char_type unit, int radix) const;
  locale_type imbue(locale_type locale) { return locale; }
  locale_type getloc() const { return 0; }

 private:
  static char_class_type ClassNamed(const std::u16string& name);
  static char_class_type Classes(char_type unit);
};
