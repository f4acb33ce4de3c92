// Load benchmark.  Without arguments: generates (once, in build/bench/data)
// an HTML page of about 100 MB and 2 million lines in UTF-8 and the same in
// Shift_JIS, loads each into a text store with detection, and prints
// key=value figures: throughput, load time against a straight conversion of
// the whole file into one UTF-16 buffer (the reference), and peak memory
// against the file size.  With FILE arguments: loads each and prints what
// the load found.
//
// Peak memory is the growth of the process's peak resident set during the
// load: the peak is reset through /proc/self/clear_refs, the resident set is
// read before the load and the peak after it.  It covers the store, the
// chunk buffer and whatever pages of the file mapping were resident at once.
// The heap the store keeps afterwards (mallinfo2) is printed as well.
//
// Lines are laid out by the editor's own layout over the headless measurer,
// as a load does; relayout_ms times laying all of them out again, and
// load_without_layout_to_reference takes that share out of the load.
#include <iconv.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "docs/text_file_loader.h"
#include "editor/line_record.h"
#include "editor/metrics_line_layout.h"
#include "editor/text_metrics.h"
#include "platform/code_page.h"
#include "platform/fixed_text_measurer.h"
#include "platform/mapped_file.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t kTargetBytes = 100'000'000;
constexpr int kRepeats = 5;

// ---- Test data ----------------------------------------------------------

class Random {
 public:
  std::uint32_t Next(std::uint32_t bound) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state_ >> 33) % bound;
  }

 private:
  std::uint64_t state_ = 42;
};

const char* const kWords[] = {"the",   "editor", "loads",   "pages", "quickly", "with",
                              "markup", "and",   "styles",  "for",   "every",   "section",
                              "of",    "site",   "content", "news",  "archive", "about"};
// All of these exist in code page 932.
const char* const kJapanese[] = {"日本語のテキスト", "こんにちは世界", "お問い合わせ",
                                 "会社概要",         "新着情報",       "サイトマップ",
                                 "東京都千代田区",   "株式会社",       "ｶﾀｶﾅ",
                                 "個人情報の取り扱い"};
const char* const kTags[] = {"p", "li", "span", "td", "h3", "dd"};

std::string Words(Random& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i) text += ' ';
    bool japanese = random.Next(5) == 0;
    text += japanese ? kJapanese[random.Next(std::size(kJapanese))] : kWords[random.Next(std::size(kWords))];
  }
  return text;
}

// One line of a plausible page; depth is the nesting of open <div>s.
std::string HtmlLine(Random& random, int& depth) {
  std::string line(static_cast<std::size_t>(2 * depth), ' ');
  std::uint32_t kind = random.Next(10);
  if ((kind == 0 && depth < 8) || depth == 0) {
    line += "<div class=\"item-" + std::to_string(random.Next(1000)) + "\">";
    ++depth;
  } else if (kind == 1) {
    line.resize(line.size() - 2);
    line += "</div>";
    --depth;
  } else if (kind == 2) {
    line += "<a href=\"/docs/" + std::to_string(random.Next(100000)) + ".html\" title=\"" + Words(random, 2) + "\">" +
            Words(random, 2) + "</a>";
  } else if (kind == 3) {
    line += "<img src=\"/img/p" + std::to_string(random.Next(5000)) + ".png\" width=\"120\" height=\"80\" alt=\"" +
            Words(random, 1) + "\">";
  } else if (kind == 4) {
    line += "<!-- " + Words(random, 3) + " -->";
  } else {
    const char* tag = kTags[random.Next(std::size(kTags))];
    line += std::string("<") + tag + ">" + Words(random, 1 + static_cast<int>(random.Next(5))) + "</" + tag + ">";
  }
  return line;
}

bool ToShiftJis(const std::string& utf8, std::string& shift_jis) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  shift_jis.assign(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  char* out = shift_jis.data();
  std::size_t in_left = utf8.size(), out_left = shift_jis.size();
  bool done = iconv(converter, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  shift_jis.resize(shift_jis.size() - out_left);
  return done && in_left == 0;
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
  fs::path partial = path;
  partial += ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  std::error_code error;
  fs::rename(partial, path, error);
  return !error;
}

bool GenerateOnce(const fs::path& utf8_path, const fs::path& shift_jis_path) {
  if (fs::exists(utf8_path) && fs::exists(shift_jis_path)) return true;
  fs::create_directories(utf8_path.parent_path());
  std::fprintf(stderr, "generating %s and %s\n", utf8_path.c_str(), shift_jis_path.c_str());
  Random random;
  int depth = 0;
  std::string page = "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head><meta charset=\"utf-8\"><title>" +
                     Words(random, 3) + "</title></head>\r\n<body>\r\n";
  page.reserve(kTargetBytes + 4096);
  while (page.size() < kTargetBytes) page += HtmlLine(random, depth) + "\r\n";
  page += "</body>\r\n</html>\r\n";
  std::string shift_jis;
  return ToShiftJis(page, shift_jis) && WriteFile(utf8_path, page) && WriteFile(shift_jis_path, shift_jis);
}

// ---- Measuring ----------------------------------------------------------

// A field of /proc/self/status in kB, or -1.
long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
  }
  return -1;
}

bool ResetPeakResidentSet() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

std::size_t HeapInUse() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The reference: map the file and convert all of it into one buffer.
double ReferenceSeconds(const fs::path& path, unsigned code_page) {
  MappedFile file;
  if (file.Open(path.u16string().c_str()) != MappedFile::OpenResult::kOpened || !file.Map()) return -1;
  const auto size = static_cast<std::int32_t>(file.Size());
  std::unique_ptr<char16_t[]> buffer(new char16_t[static_cast<std::size_t>(size)]);
  Clock::time_point start = Clock::now();
  std::int32_t units =
      code_page::ToUtf16(code_page, reinterpret_cast<const char*>(file.Data()), size, buffer.get(), size);
  double seconds = SecondsSince(start);
  return units > 0 ? seconds : -1;
}

struct LoadFigures {
  LoadResult result = kLoadFailed;
  int encoding = -1;
  int line_breaks = 0;
  std::int64_t lines = 0;
  std::int64_t units = 0;
  double seconds = 0;
  // Laying every loaded line out again: the layout's share of the load.
  double relayout_seconds = 0;
  long peak_growth_kb = -1;
  std::size_t heap_kept = 0;
};

LoadFigures Load(const fs::path& path) {
  LoadFigures figures;
  // The editor's own layout over the headless measurer, unwrapped.
  TextMetrics metrics(std::make_unique<platform::FixedTextMeasurer>());
  if (!metrics.RebuildFonts()) return figures;
  MetricsLineLayout layout(metrics);
  bool peak_known = ResetPeakResidentSet();
  long resident_before = StatusKb("VmRSS");
  std::size_t heap_before = HeapInUse();
  auto text = std::make_unique<LoadedText>(layout, 0);
  Clock::time_point start = Clock::now();
  figures.result = LoadIntoDocument(*text, path.u16string().c_str(), kAutoDetect);
  figures.seconds = SecondsSince(start);
  if (peak_known) figures.peak_growth_kb = StatusKb("VmHWM") - resident_before;
  figures.heap_kept = HeapInUse() - heap_before;
  if (figures.result == kLoadFailed) return figures;
  figures.encoding = text->encoding;
  figures.line_breaks = text->line_breaks;
  start = Clock::now();
  text->store.RelayoutAll();
  figures.relayout_seconds = SecondsSince(start);
  figures.lines = text->store.LineCount();
  LineRecord* line = text->store.Line(0);
  for (std::int64_t i = 0; i < figures.lines; ++i, line = line->Next()) figures.units += line->Length();
  return figures;
}

void PrintFileFigures(const std::string& file, const LoadFigures& figures) {
  std::printf("file=%s\n", file.c_str());
  if (figures.result == kLoadFailed) {
    std::printf("encoding=fail\n");
    return;
  }
  std::printf("encoding=%d\nlinebreak=%d\nlines=%lld\nunits=%lld\n", figures.encoding, figures.line_breaks,
              static_cast<long long>(figures.lines), static_cast<long long>(figures.units));
}

int BenchmarkFile(const char* name, const fs::path& path, unsigned code_page) {
  const double megabytes = static_cast<double>(fs::file_size(path)) / 1e6;
  double reference = 1e9;
  for (int i = 0; i < kRepeats; ++i) reference = std::min(reference, ReferenceSeconds(path, code_page));
  LoadFigures best;
  best.seconds = 1e9;
  long peak_kb = -1;
  for (int i = 0; i < kRepeats; ++i) {
    LoadFigures figures = Load(path);
    if (figures.result != kLoadedText || reference <= 0) {
      std::printf("%s.load=fail\n", name);
      return 1;
    }
    peak_kb = std::max(peak_kb, figures.peak_growth_kb);
    if (figures.seconds < best.seconds) best = figures;
  }
  const double file_bytes = megabytes * 1e6;
  std::printf("%s.file_mb=%.1f\n", name, megabytes);
  std::printf("%s.load_ms=%.0f\n", name, best.seconds * 1e3);
  std::printf("%s.reference_ms=%.0f\n", name, reference * 1e3);
  std::printf("%s.load_mb_per_s=%.0f\n", name, megabytes / best.seconds);
  std::printf("%s.load_to_reference=%.2f\n", name, best.seconds / reference);
  std::printf("%s.relayout_ms=%.0f\n", name, best.relayout_seconds * 1e3);
  std::printf("%s.load_without_layout_to_reference=%.2f\n", name, (best.seconds - best.relayout_seconds) / reference);
  if (peak_kb >= 0) {
    std::printf("%s.peak_memory_to_file=%.2f\n", name, static_cast<double>(peak_kb) * 1024 / file_bytes);
  } else {
    std::printf("%s.peak_memory_to_file=unknown\n", name);
  }
  std::printf("%s.heap_kept_to_file=%.2f\n", name, static_cast<double>(best.heap_kept) / file_bytes);
  std::printf("%s.encoding=%d\n%s.linebreak=%d\n%s.lines=%lld\n%s.units=%lld\n", name, best.encoding, name,
              best.line_breaks, name, static_cast<long long>(best.lines), name, static_cast<long long>(best.units));
  return 0;
}

fs::path DataFolder() { return fs::canonical("/proc/self/exe").parent_path().parent_path() / "data"; }

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    for (int i = 1; i < argc; ++i) PrintFileFigures(argv[i], Load(fs::absolute(argv[i])));
    return 0;
  }
  const fs::path utf8 = DataFolder() / "page_utf8.html";
  const fs::path shift_jis = DataFolder() / "page_shift_jis.html";
  if (!GenerateOnce(utf8, shift_jis)) {
    std::fprintf(stderr, "could not generate the test files\n");
    return 1;
  }
  int failures = BenchmarkFile("utf8", utf8, code_page::kUtf8);
  failures += BenchmarkFile("shift_jis", shift_jis, code_page::kShiftJis);
  return failures == 0 ? 0 : 1;
}
