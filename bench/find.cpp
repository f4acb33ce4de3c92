// Find benchmark.  On the generated UTF-8 page with one word added at its
// very end, a find-next from the top against a plain search of the same
// units in one contiguous buffer of the whole text, measured in the same
// run; and replace-all's cost per replacement with 100,000 matches against
// 10,000 matches in the same text.  Prints key=value figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "common/best_time.h"
#include "common/page_data.h"
#include "common/page_document.h"
#include "common/whole_text.h"
#include "editor/control/document_set.h"
#include "platform/fixed_text_measurer.h"

namespace {

using bench::Clock;
using bench::SecondsSince;
constexpr int kRepeats = 3;
constexpr char16_t kRareWord[] = u"zebrafinch";
constexpr std::int32_t kReplaceLines = 100'000;

double Best(const std::function<bool()>& run) { return bench::Best(kRepeats, run); }

int FindOnPage(DocumentSet& set) {
  Document document(set.Metrics(), set.Settings());
  if (!bench::LoadPageEndingWith(document, kRareWord)) return 1;
  const std::u16string text = bench::WholeText(document, u"\n");
  const std::u16string_view word(kRareWord);
  const auto length = static_cast<std::int32_t>(word.size());
  const double find = Best([&] {
    document.Navigator().DocumentStart();
    return document.Find(kRareWord, length, true, true);
  });
  const std::boyer_moore_horspool_searcher searcher(word.begin(), word.end());
  const double reference = Best([&] { return std::search(text.begin(), text.end(), searcher) != text.end(); });
  if (find <= 0 || reference <= 0) return 1;
  std::printf("find_ms=%.1f\n", find * 1e3);
  std::printf("reference_ms=%.1f\n", reference * 1e3);
  std::printf("find_to_reference=%.2f\n", find / reference);
  return 0;
}

// Every line holds "cat"; every tenth also "dog": the same text has ten
// times as many matches for one word as for the other.
double SecondsPerReplacement(DocumentSet& set, const char16_t* word, std::int32_t expected) {
  std::u16string text;
  for (std::int32_t i = 0; i < kReplaceLines; ++i) {
    text += u"<p>a cat";
    if (i % 10 == 0) text += u" and a dog";
    text += u"</p>\n";
  }
  double best = 1e9;
  for (int i = 0; i < kRepeats; ++i) {
    Document document(set.Metrics(), set.Settings());
    if (!document.LoadText(text)) return -1;
    const Clock::time_point start = Clock::now();
    const std::int32_t count =
        document.Replace(word, static_cast<std::int32_t>(std::u16string_view(word).size()), u"bird", 4, true);
    best = std::min(best, SecondsSince(start));
    if (count != expected) return -1;
  }
  return best / expected;
}

}  // namespace

int main() {
  DocumentSet set(std::make_unique<platform::FixedTextMeasurer>());
  if (!set.EnsureFonts() || bench::RunOnPages([](const char*, const bench::fs::path&, unsigned) { return 0; }) != 0)
    return 1;
  if (FindOnPage(set) != 0) {
    std::printf("find=fail\n");
    return 1;
  }
  const double many = SecondsPerReplacement(set, u"cat", kReplaceLines);
  const double few = SecondsPerReplacement(set, u"dog", kReplaceLines / 10);
  if (many <= 0 || few <= 0) {
    std::printf("replace_all=fail\n");
    return 1;
  }
  std::printf("replace_all_us_per_match_%d=%.2f\n", kReplaceLines, many * 1e6);
  std::printf("replace_all_us_per_match_%d=%.2f\n", kReplaceLines / 10, few * 1e6);
  std::printf("replace_all_per_match_100k_vs_10k=%.2f\n", many / few);
  return 0;
}
