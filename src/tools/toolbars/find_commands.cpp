#include "tools/toolbars/find_commands.h"

#include <string>

namespace find_commands {
namespace {

void Settle(RegexStatus status, Outcome& outcome) {
  outcome.found = status == RegexStatus::kFound;
  outcome.too_complex = status == RegexStatus::kTooComplex;
}

}  // namespace

Outcome Find(Document* document, FindFields& fields, bool forward, const SearchMode& mode) {
  WideString pattern;
  if (!fields.Text(FindFields::kFind, pattern) || pattern.Empty()) return {};
  fields.Remember(FindFields::kFind, pattern.View());
  Outcome outcome;
  outcome.searched = true;
  if (mode.regex) {
    RegexPattern regex;
    if (regex.Compile(pattern.View(), mode.case_sensitive, outcome.pattern_error) && document)
      Settle(document->FindRegex(regex, forward, false), outcome);
    return outcome;
  }
  outcome.found = document && document->Find(pattern.Text(), static_cast<std::int32_t>(pattern.Length()), forward,
                                             false);
  return outcome;
}

Outcome Replace(Document* document, FindFields& fields, bool all, const SearchMode& mode) {
  WideString pattern, replacement;
  if (!fields.Text(FindFields::kFind, pattern) || pattern.Empty()) return {};
  fields.Text(FindFields::kReplacement, replacement);
  fields.Remember(FindFields::kFind, pattern.View());
  fields.Remember(FindFields::kReplacement, replacement.View());
  Outcome outcome;
  outcome.searched = true;
  RegexPattern regex;
  if (mode.regex && !regex.Compile(pattern.View(), mode.case_sensitive, outcome.pattern_error)) return outcome;
  if (!document) return outcome;
  std::int32_t count = 0;
  if (mode.regex) {
    Settle(document->ReplaceRegex(regex, replacement.View(), all, count), outcome);
    outcome.found = count > 0;
  } else {
    count = document->Replace(pattern.Text(), static_cast<std::int32_t>(pattern.Length()),
                              replacement.Empty() ? u"" : replacement.Text(),
                              static_cast<std::int32_t>(replacement.Length()), all);
    outcome.found = count > 0;
  }
  if (all) outcome.replaced = count;
  return outcome;
}

Outcome Highlight(Document* document, FindFields& fields, const SearchMode& mode) {
  WideString text;
  if (!fields.Text(FindFields::kFind, text) || text.Empty()) return {};
  fields.Remember(FindFields::kFind, text.View());
  Outcome outcome;
  outcome.searched = true;
  outcome.found = true;  // nothing to say about how many
  RegexPattern regex;
  if (mode.regex && !regex.Compile(text.View(), mode.case_sensitive, outcome.pattern_error)) return outcome;
  if (!document) return outcome;
  if (mode.regex) document->ToggleHighlightPattern(text.View(), std::move(regex));
  else document->ToggleHighlightWord(text.View());
  return outcome;
}

bool StatusText(const Outcome& outcome, const std::function<std::u16string_view(unsigned)>& string,
                WideString& text) {
  text.Clear();
  if (!outcome.searched) return false;
  if (!outcome.pattern_error.empty())
    return text.Assign(string(kInvalidPatternString)) && text.Append(std::u16string_view(outcome.pattern_error));
  if (outcome.too_complex) return text.Assign(string(kTooComplexString));
  if (!outcome.found) return text.Assign(string(kNotFoundString));
  if (outcome.replaced <= 0) return false;
  const std::string digits = std::to_string(outcome.replaced);
  if (!text.Assign(string(kReplacedString))) return false;
  for (char digit : digits)
    if (!text.Append(static_cast<char16_t>(digit))) return false;
  return true;
}

}  // namespace find_commands
