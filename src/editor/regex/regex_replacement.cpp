#include "editor/regex/regex_replacement.h"

namespace regex_replacement {

std::u16string Expand(std::u16string_view replacement, const char16_t* line, const RegexMatch& match) {
  std::u16string text;
  text.reserve(replacement.size());
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    const char16_t unit = replacement[i];
    const char16_t next = i + 1 < replacement.size() ? replacement[i + 1] : u'\0';
    if (unit == u'$' && (next == u'&' || (next >= u'1' && next <= u'9'))) {
      const int group = next == u'&' ? 0 : next - u'0';
      if (match.start[group] >= 0) text.append(line + match.start[group], line + match.end[group]);
      ++i;
    } else if (unit == u'$' && next == u'$') {
      text.push_back(u'$');
      ++i;
    } else if (unit == u'\\' && (next == u't' || next == u'n' || next == u'\\')) {
      text.push_back(next == u't' ? u'\t' : next == u'n' ? u'\n' : u'\\');
      ++i;
    } else {
      text.push_back(unit);
    }
  }
  return text;
}

}  // namespace regex_replacement
