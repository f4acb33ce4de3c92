// HTML token selection and tag-pair search benchmark. Prints key=value
// lines, each ratio against a reference measured in the same run:
// - token_<line>_400k_vs_40k: the time of a token selection (the select-
//   token command, as a Ctrl+click makes it) at the end of a line of
//   400,000 units over that at the end of one of 40,000, for lines of
//   "a;a;...", "&nbsp;&nbsp;..." and a quote followed by "{{{..."
//   (10 = linear, 100 = quadratic); token_400k_vs_40k is the worst of them.
// - tag_click_unclosed_vs_closed: a click on a start tag near the top of the
//   generated 100 MB page whose end tag never comes (the tag-pair search
//   reads the rest of the text) over a click on one closed on its line;
//   tag_search_vs_memchr: the unclosed click over a byte search for "<"
//   through every line of the page (the least any such search can cost).
// Usage: bench_token
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "common/page_data.h"
#include "docs/document_opening.h"
#include "editor/control/document_set.h"
#include "editor/store/line_record.h"
#include "platform/fixed_text_measurer.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// The best of at least three runs and 0.2 s, or of one run that took over
// two seconds (a slow scan measured once).
template <typename Work>
double BestSeconds(Work work) {
  double best = 1e300, total = 0;
  for (int run = 0; run < 1000 && (run < 3 || total < 0.2); ++run) {
    const Clock::time_point start = Clock::now();
    if (!work()) return -1;
    const double seconds = Seconds(start);
    best = std::min(best, seconds);
    total += seconds;
    if (seconds > 2) break;
  }
  return best;
}

struct Editor {
  Editor() : set(std::make_unique<platform::FixedTextMeasurer>()) {
    set.EnsureFonts();
    set.Settings().tag_pair_highlighting = true;
    document = std::make_unique<Document>(set.Metrics(), set.Settings());
    document->Resize(1280, 1000);
  }
  DocumentSet set;
  std::unique_ptr<Document> document;
};

// The prefix, the pattern repeated, then "x" up to units: the hit sits
// after the last ";" or "{", so the scan back crosses the whole line.
std::u16string LongLine(std::u16string_view prefix, std::u16string_view pattern, std::size_t units) {
  std::u16string line(prefix);
  line.reserve(units);
  while (line.size() + pattern.size() < units) line += pattern;
  line.resize(units, u'x');
  return line;
}

struct TokenCase {
  const char* name;
  std::u16string_view prefix;
  std::u16string_view pattern;
};

double TokenSeconds(Document& document, const TokenCase& c, std::size_t units) {
  if (!document.LoadText(LongLine(c.prefix, c.pattern, units))) return -1;
  return BestSeconds([&] {
    document.Navigator().SetHitUnit(static_cast<std::int32_t>(units) - 1);
    return document.SelectToken() && document.Selection().exists;
  });
}

bool TokenFigures() {
  Editor editor;
  // The braces stand after a quote, inside what reads as a value.
  static constexpr TokenCase kCases[] = {
      {"semicolons", u"", u"a;"}, {"entities", u"", u"&nbsp;"}, {"braces", u"\"", u"{"}};
  double worst = 0;
  for (const TokenCase& c : kCases) {
    const double few = TokenSeconds(*editor.document, c, 40000);
    const double many = TokenSeconds(*editor.document, c, 400000);
    if (few <= 0 || many <= 0) return false;
    std::printf("token_%s_40k_ms=%.3f\n", c.name, few * 1e3);
    std::printf("token_%s_400k_ms=%.3f\n", c.name, many * 1e3);
    std::printf("token_%s_400k_vs_40k=%.1f\n", c.name, many / few);
    worst = std::max(worst, many / few);
  }
  std::printf("token_400k_vs_40k=%.1f\n", worst);
  return true;
}

// A press and release at unit column of line that highlights a pair or
// not, as expected; then the highlight is taken away so that the next
// click searches again.
bool Click(Document& document, std::int32_t line, std::int32_t column, bool paired) {
  DocumentLayout& layout = document.Layout();
  const PointerPoint point{layout.MarginWidth() + layout.ColumnToX(line, column).x + 1 - layout.HorizontalScrollPixels(),
                           layout.RowTop(line) + 2};
  document.LeftButtonDown(point, mouse_flag::kLeft);
  document.LeftButtonUp(point, 0);
  const bool as_expected = document.Selection().caret.line == line && document.TagPair().active == paired;
  document.ClearTagPairHighlight();
  return as_expected;
}

// Every line's runs searched for the byte of "<", counting the finds.
std::int64_t MemchrScan(TextStore& store) {
  std::int64_t finds = 0;
  for (std::int32_t index = 0; index < store.LineCount(); ++index) {
    const LineRuns runs = store.Line(index)->Runs();
    for (const auto& [units, count] : {std::pair{runs.first, runs.first_count}, std::pair{runs.second, runs.second_count}}) {
      const auto* at = reinterpret_cast<const unsigned char*>(units);
      const unsigned char* end = at + 2 * static_cast<std::size_t>(count);
      while (at < end && (at = static_cast<const unsigned char*>(std::memchr(at, '<', end - at)))) {
        ++finds;
        ++at;
      }
    }
  }
  return finds;
}

bool TagPairFigures() {
  const bench::fs::path utf8 = bench::DataFolder() / "page_utf8.html";
  const bench::fs::path shift_jis = bench::DataFolder() / "page_shift_jis.html";
  if (!bench::GenerateOnce(utf8, shift_jis)) return false;
  Editor editor;
  Document& document = *editor.document;
  if (document_opening::LoadFile(document, utf8.u16string().c_str(), kAutoDetect) != kLoadedText) return false;
  // Line 2 is "<head><meta ...><title>...</title></head>"; an element that
  // never ends opens line 3.
  TextStore& store = document.Store();
  if (!store.InsertUnits(*store.Line(3), u"<section>", 9, 0)) return false;
  const double closed = BestSeconds([&] { return Click(document, 2, 2, true); });
  const double unclosed = BestSeconds([&] { return Click(document, 3, 2, false); });
  std::int64_t finds = 0;
  const double memchr_scan = BestSeconds([&] { return (finds = MemchrScan(store)) > 0; });
  if (closed <= 0 || unclosed <= 0 || memchr_scan <= 0) return false;
  std::printf("tag_page_lines=%d\n", store.LineCount());
  std::printf("tag_page_angle_brackets=%lld\n", static_cast<long long>(finds));
  std::printf("tag_click_closed_us=%.1f\n", closed * 1e6);
  std::printf("tag_click_unclosed_ms=%.1f\n", unclosed * 1e3);
  std::printf("tag_memchr_scan_ms=%.1f\n", memchr_scan * 1e3);
  std::printf("tag_click_unclosed_vs_closed=%.0f\n", unclosed / closed);
  std::printf("tag_search_vs_memchr=%.2f\n", unclosed / memchr_scan);
  return true;
}

}  // namespace

int main() {
  if (!TokenFigures()) {
    std::fprintf(stderr, "token selection failed\n");
    return 1;
  }
  std::fflush(stdout);
  if (!TagPairFigures()) {
    std::fprintf(stderr, "tag-pair search failed\n");
    return 1;
  }
  return 0;
}
