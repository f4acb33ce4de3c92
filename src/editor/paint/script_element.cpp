#include "editor/paint/script_element.h"

#include <string_view>

#include "editor/paint/unit_match.h"

namespace script_element {
namespace {

constexpr std::u16string_view kScriptTypes[] = {
    u"",
    u"module",
    u"application/ecmascript",
    u"application/javascript",
    u"application/x-ecmascript",
    u"application/x-javascript",
    u"text/ecmascript",
    u"text/javascript",
    u"text/javascript1.0",
    u"text/javascript1.1",
    u"text/javascript1.2",
    u"text/javascript1.3",
    u"text/javascript1.4",
    u"text/javascript1.5",
    u"text/jscript",
    u"text/livescript",
    u"text/x-ecmascript",
    u"text/x-javascript",
};

bool IsBlank(char16_t unit) { return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\f'; }

std::int32_t SkipBlanks(LineUnits line, std::int32_t at) {
  while (at < line.length && IsBlank(line.units[at])) ++at;
  return at;
}

bool IsScriptType(LineUnits line, std::int32_t begin, std::int32_t end) {
  while (begin < end && IsBlank(line.units[begin])) ++begin;
  while (end > begin && IsBlank(line.units[end - 1])) --end;
  for (std::u16string_view type : kScriptTypes)
    if (static_cast<std::int32_t>(type.size()) == end - begin && unit_match::MatchesAt(line, begin, type, true))
      return true;
  return false;
}

}  // namespace

bool EndTagAt(LineUnits line, std::int32_t index) {
  if (!unit_match::MatchesAt(line, index, u"</script", true)) return false;
  const char16_t after = line.At(index + 8);
  return IsBlank(after) || after == u'/' || after == u'>';
}

bool TypeAttributeAt(LineUnits line, std::int32_t index) {
  if (!IsBlank(line.At(index - 1)) || !unit_match::MatchesAt(line, index, u"type", true)) return false;
  const char16_t after = line.At(index + 4);
  return IsBlank(after) || after == u'=' || after == u'>' || after == u'/' || index + 4 == line.length;
}

bool TypeNamesScript(LineUnits line, std::int32_t index) {
  std::int32_t at = SkipBlanks(line, index + 4);
  if (line.At(at) != u'=') return true;
  at = SkipBlanks(line, at + 1);
  const char16_t quote = line.At(at);
  if (quote == u'"' || quote == u'\'') {
    std::int32_t end = at + 1;
    while (end < line.length && line.units[end] != quote) ++end;
    return end < line.length && IsScriptType(line, at + 1, end);
  }
  std::int32_t end = at;
  while (end < line.length && !IsBlank(line.units[end]) && line.units[end] != u'>') ++end;
  return IsScriptType(line, at, end);
}

}  // namespace script_element
