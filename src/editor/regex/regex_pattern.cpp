#include "editor/regex/regex_pattern.h"

#include <new>
#include <stdexcept>

// Windows' own traits would pull in windows.h; this program has its own.
#define BOOST_REGEX_NO_W32
#include <boost/regex.hpp>

#include "editor/regex/utf16_regex_traits.h"

using Utf16Regex = boost::basic_regex<char16_t, Utf16RegexTraits>;
using Utf16Results = boost::match_results<const char16_t*>;

namespace {

// States the matcher may visit in one search before it gives up: a base
// plus a few per unit of the line, so that linear searches of long lines
// finish. The engine's own estimate grows with the line length times the
// pattern size squared, which on a line of a million units is minutes of
// backtracking; this keeps a search near a second at worst.
constexpr std::ptrdiff_t kBaseStates = 4'000'000;
constexpr std::ptrdiff_t kStatesPerUnit = 12;

}  // namespace

namespace boost::BOOST_REGEX_DETAIL_NS {
template <>
void perl_matcher<const char16_t*, Utf16Results::allocator_type, Utf16RegexTraits>::estimate_max_state_count(
    std::random_access_iterator_tag*) {
  max_state_count = kBaseStates + kStatesPerUnit * (last - base);
}
}  // namespace boost::BOOST_REGEX_DETAIL_NS

struct RegexPattern::Engine {
  Utf16Regex regex;
};

namespace {

// The engine's reason without the copy of the whole pattern it appends,
// which may be long; the column says where instead.
std::u16string Reason(const boost::regex_error& failure) {
  std::string_view text = failure.what();
  text = text.substr(0, text.find("  The error occurred"));
  std::u16string reason(text.begin(), text.end());
  const std::string column = " (column " + std::to_string(failure.position() + 1) + ")";
  reason.append(column.begin(), column.end());
  return reason;
}

void Copy(const Utf16Results& results, const char16_t* line, RegexMatch& match) {
  for (int i = 0; i < RegexMatch::kGroups; ++i) {
    const bool taken = static_cast<std::size_t>(i) < results.size() && results[i].matched;
    match.start[i] = taken ? static_cast<std::int32_t>(results[i].first - line) : -1;
    match.end[i] = taken ? static_cast<std::int32_t>(results[i].second - line) : -1;
  }
}

// One call of the matcher; the engine's complexity and memory limits come
// back as exceptions, which stop here.
template <class Call>
RegexStatus Run(Call call) {
  try {
    return call() ? RegexStatus::kFound : RegexStatus::kNotFound;
  } catch (const std::runtime_error&) {
    return RegexStatus::kTooComplex;
  } catch (const std::bad_alloc&) {
    return RegexStatus::kTooComplex;
  }
}

}  // namespace

RegexPattern::RegexPattern() = default;
RegexPattern::~RegexPattern() = default;
RegexPattern::RegexPattern(RegexPattern&&) noexcept = default;
RegexPattern& RegexPattern::operator=(RegexPattern&&) noexcept = default;

bool RegexPattern::Compiled() const { return engine_ != nullptr; }

bool RegexPattern::Compile(std::u16string_view text, bool case_sensitive, std::u16string& error) {
  error.clear();
  const Utf16Regex::flag_type flags =
      case_sensitive ? boost::regex_constants::perl : boost::regex_constants::perl | boost::regex_constants::icase;
  try {
    auto engine = std::make_unique<Engine>();
    engine->regex.assign(text.data(), text.data() + text.size(), flags);
    engine_ = std::move(engine);
    return true;
  } catch (const boost::regex_error& failure) {
    error = Reason(failure);
    return false;
  } catch (const std::bad_alloc&) {
    error = u"Out of memory";
    return false;
  }
}

RegexStatus RegexPattern::Search(const char16_t* line, std::int32_t length, std::int32_t from, EmptyMatches empties,
                                 RegexMatch& match) const {
  if (!engine_ || from < 0 || from > length || (!line && length > 0)) return RegexStatus::kNotFound;
  if (!line) line = u"";  // an empty line may have no buffer
  const char16_t* end = line + length;
  Utf16Results results;
  auto flags = from > 0 ? boost::match_prev_avail : boost::match_default;
  if (empties == EmptyMatches::kNone) flags |= boost::match_not_null;
  RegexStatus status = RegexStatus::kNotFound;
  if (empties == EmptyMatches::kNotAtFrom) {
    // A non-empty match at from, else any match from the next unit on.
    status = Run([&] {
      return boost::regex_search(line + from, end, results, engine_->regex,
                                 flags | boost::match_not_null | boost::match_continuous, line);
    });
    if (status == RegexStatus::kNotFound && from < length) {
      status = Run([&] {
        return boost::regex_search(line + from + 1, end, results, engine_->regex, flags | boost::match_prev_avail,
                                   line);
      });
    }
  } else {
    status = Run([&] { return boost::regex_search(line + from, end, results, engine_->regex, flags, line); });
  }
  if (status == RegexStatus::kFound) Copy(results, line, match);
  return status;
}

RegexStatus RegexPattern::MatchesExactly(const char16_t* line, std::int32_t length, std::int32_t start,
                                         std::int32_t end, RegexMatch& match) const {
  if (!engine_ || !line || start < 0 || start > end || end > length) return RegexStatus::kNotFound;
  Utf16Results results;
  auto flags = boost::match_continuous | boost::match_not_null;
  if (start > 0) flags |= boost::match_prev_avail;
  // Searching the whole rest of the line keeps "$" and look-ahead honest;
  // the match must then end exactly at end.
  RegexStatus status = Run(
      [&] { return boost::regex_search(line + start, line + length, results, engine_->regex, flags, line); });
  if (status == RegexStatus::kFound && results[0].second != line + end) status = RegexStatus::kNotFound;
  if (status == RegexStatus::kFound) Copy(results, line, match);
  return status;
}
