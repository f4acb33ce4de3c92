#include "tools/toolbars/find_commands.h"

#include <string>

namespace find_commands {

Outcome Find(Document* document, FindFields& fields, bool forward) {
  WideString pattern;
  if (!fields.Text(FindFields::kFind, pattern) || pattern.Empty()) return {};
  fields.Remember(FindFields::kFind, pattern.View());
  Outcome outcome;
  outcome.searched = true;
  outcome.found = document && document->Find(pattern.Text(), static_cast<std::int32_t>(pattern.Length()), forward,
                                             false);
  return outcome;
}

Outcome Replace(Document* document, FindFields& fields, bool all) {
  WideString pattern, replacement;
  if (!fields.Text(FindFields::kFind, pattern) || pattern.Empty()) return {};
  fields.Text(FindFields::kReplacement, replacement);
  fields.Remember(FindFields::kFind, pattern.View());
  fields.Remember(FindFields::kReplacement, replacement.View());
  Outcome outcome;
  outcome.searched = true;
  if (!document) return outcome;
  const std::int32_t count =
      document->Replace(pattern.Text(), static_cast<std::int32_t>(pattern.Length()),
                        replacement.Empty() ? u"" : replacement.Text(),
                        static_cast<std::int32_t>(replacement.Length()), all);
  outcome.found = count > 0;
  if (all) outcome.replaced = count;
  return outcome;
}

void Highlight(Document* document, FindFields& fields) {
  WideString text;
  if (!document || !fields.Text(FindFields::kFind, text)) return;
  HighlightRequest request;
  request.text = text.View();
  document->ToggleHighlight(request);
}

bool StatusText(const Outcome& outcome, const std::function<std::u16string_view(unsigned)>& string,
                WideString& text) {
  text.Clear();
  if (!outcome.searched) return false;
  if (!outcome.found) return text.Assign(string(kNotFoundString));
  if (outcome.replaced <= 0) return false;
  const std::string digits = std::to_string(outcome.replaced);
  if (!text.Assign(string(kReplacedString))) return false;
  for (char digit : digits)
    if (!text.Append(static_cast<char16_t>(digit))) return false;
  return true;
}

}  // namespace find_commands
