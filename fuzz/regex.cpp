// A pattern and a line from any bytes (UTF-16 units; the first NUL unit
// divides them; the first byte chooses the case rule): a pattern either
// compiles with a reason or not, and every match, group and replacement
// stays inside the line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/regex/regex_replacement.h"
#include "editor/regex/regex_text_search.h"

namespace {

void CheckInside(const RegexMatch& match, std::int32_t length) {
  if (match.Start() < 0 || match.Start() > match.End() || match.End() > length) std::abort();
  for (int i = 1; i < RegexMatch::kGroups; ++i) {
    if ((match.start[i] < 0) != (match.end[i] < 0)) std::abort();
    if (match.start[i] >= 0 && (match.start[i] > match.end[i] || match.end[i] > length)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const bool case_sensitive = data[0] & 1;
  std::u16string units;
  for (std::size_t i = 1; i + 1 < size; i += 2) units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  const std::size_t divide = units.find(u'\0');
  const std::u16string text = units.substr(0, divide);
  const std::u16string line = divide == std::u16string::npos ? std::u16string() : units.substr(divide + 1);
  const auto length = static_cast<std::int32_t>(line.size());

  RegexPattern pattern;
  std::u16string error;
  if (!pattern.Compile(text, case_sensitive, error)) {
    if (error.empty() || pattern.Compiled()) std::abort();
    return 0;
  }
  std::int32_t previous_end = 0;
  regex_text_search::ForEachMatch(pattern, line.data(), length, [&](const RegexMatch& match) {
    CheckInside(match, length);
    if (match.Start() < previous_end) std::abort();
    previous_end = match.End();
    const std::u16string replaced = regex_replacement::Expand(text, line.data(), match);
    if (replaced.size() > text.size() * (line.size() + 1)) std::abort();
    RegexMatch again;
    if (!match.Empty() &&
        pattern.MatchesExactly(line.data(), length, match.Start(), match.End(), again) == RegexStatus::kFound &&
        again.End() != match.End())
      std::abort();
    return true;
  });
  return 0;
}
