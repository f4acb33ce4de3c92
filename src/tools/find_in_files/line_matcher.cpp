#include "tools/find_in_files/line_matcher.h"

#include <algorithm>

namespace {

char16_t Folded(char16_t unit) { return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit; }

void Fold(std::u16string_view text, std::u16string& out) {
  out.resize(text.size());
  std::transform(text.begin(), text.end(), out.begin(), Folded);
}

}  // namespace

bool LineMatcher::Prepare(const SearchQuery& query, std::u16string& error) {
  error.clear();
  if (query.text.empty()) return false;
  match_case_ = query.match_case;
  regex_ = query.regex;
  if (regex_) return pattern_.Compile(query.text, query.match_case, error);
  if (match_case_)
    literal_ = query.text;
  else
    Fold(query.text, literal_);
  return true;
}

RegexStatus LineMatcher::First(std::u16string_view line, std::int32_t& start, std::int32_t& end) const {
  if (regex_) {
    RegexMatch match;
    const RegexStatus status = pattern_.Search(line.data(), static_cast<std::int32_t>(line.size()), 0,
                                               EmptyMatches::kNone, match);
    if (status == RegexStatus::kFound) {
      start = match.Start();
      end = match.End();
    }
    return status;
  }
  std::size_t at = std::u16string_view::npos;
  if (match_case_) {
    at = line.find(literal_);
  } else {
    Fold(line, folded_);
    at = folded_.find(literal_);
  }
  if (at == std::u16string_view::npos) return RegexStatus::kNotFound;
  start = static_cast<std::int32_t>(at);
  end = static_cast<std::int32_t>(at + literal_.size());
  return RegexStatus::kFound;
}
