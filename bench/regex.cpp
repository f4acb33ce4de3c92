// Regular-expression benchmark.  On the generated UTF-8 page with one word
// added at its very end, a find-next from the top for that word as a
// pattern against the literal find of the same word, measured in the same
// run; and a line of a million units searched with a plain and with a
// catastrophic pattern, which must end (found, or given up) in time.
// Prints key=value figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "common/best_time.h"
#include "common/page_data.h"
#include "common/page_document.h"
#include "editor/control/document_set.h"
#include "platform/fixed_text_measurer.h"

namespace {

using bench::Clock;
using bench::SecondsSince;
constexpr int kRepeats = 3;
constexpr char16_t kRareWord[] = u"zebrafinch";
constexpr double kLongLineSeconds = 3.0;

double Best(const std::function<bool()>& run) { return bench::Best(kRepeats, run); }

RegexPattern Compiled(const char16_t* text) {
  RegexPattern pattern;
  std::u16string error;
  pattern.Compile(text, false, error);
  return pattern;
}

int FindOnPage(DocumentSet& set) {
  Document document(set.Metrics(), set.Settings());
  if (!bench::LoadPageEndingWith(document, kRareWord)) return 1;
  const auto length = static_cast<std::int32_t>(std::u16string_view(kRareWord).size());
  const RegexPattern pattern = Compiled(kRareWord);
  const double regex = Best([&] {
    document.Navigator().DocumentStart();
    return document.FindRegex(pattern, true, true) == RegexStatus::kFound;
  });
  const double literal = Best([&] {
    document.Navigator().DocumentStart();
    return document.Find(kRareWord, length, true, true);
  });
  if (regex <= 0 || literal <= 0) return 1;
  std::printf("regex_find_ms=%.1f\n", regex * 1e3);
  std::printf("literal_find_ms=%.1f\n", literal * 1e3);
  std::printf("regex_find_to_literal=%.2f\n", regex / literal);
  return 0;
}

// A million units of "a" and a tag at the end: one pattern finds the tag,
// the other would backtrack for ever.
int LongLine(DocumentSet& set) {
  Document document(set.Metrics(), set.Settings());
  if (!document.LoadText(std::u16string(1'000'000, u'a') + u"<b>")) return 1;
  const Clock::time_point start = Clock::now();
  const RegexStatus found = document.FindRegex(Compiled(u"a*<(\\w)>"), true, true);
  document.Navigator().DocumentStart();
  const RegexStatus given_up = document.FindRegex(Compiled(u"(a+)+c"), true, true);
  const double seconds = SecondsSince(start);
  std::printf("long_line_ms=%.1f\n", seconds * 1e3);
  const bool ok = found == RegexStatus::kFound && given_up == RegexStatus::kTooComplex && seconds < kLongLineSeconds;
  std::printf("long_line_ok=%d\n", ok ? 1 : 0);
  return ok ? 0 : 1;
}

}  // namespace

int main() {
  DocumentSet set(std::make_unique<platform::FixedTextMeasurer>());
  if (!set.EnsureFonts() || !bench::PagesReady()) return 1;
  if (FindOnPage(set) != 0) {
    std::printf("regex_find=fail\n");
    return 1;
  }
  return LongLine(set);
}
