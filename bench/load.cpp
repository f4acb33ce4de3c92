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
//
// When vim is installed, the same file is opened and closed by it in the same
// run (`vim -u NONE -es`, its whole process timed, UTF-8 as its encoding and
// its default list of file encodings, so that it converts what is not UTF-8),
// and load_to_vim compares the load with that; otherwise load_to_vim=none.
// threads= says how many threads a large load decodes with.
#include <iconv.h>
#include <malloc.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/page_data.h"
#include "docs/parted_decoding.h"
#include "docs/text_file_loader.h"
#include "editor/store/line_record.h"
#include "editor/layout/metrics_line_layout.h"
#include "editor/layout/text_metrics.h"
#include "platform/code_page.h"
#include "platform/fixed_text_measurer.h"
#include "platform/mapped_file.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRepeats = 5;

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

extern "C" char** environ;

// vim opening the file and quitting, the whole process; -1 when vim cannot
// be run.
double VimSeconds(const fs::path& path) {
  const std::string file = path.string();
  const char* arguments[] = {"vim", "-u", "NONE", "-i", "NONE", "-N", "-n", "-es", "--cmd",
                             "set encoding=utf-8 fileencodings=ucs-bom,utf-8,default,latin1", "-c", "q!",
                             file.c_str(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Clock::time_point start = Clock::now();
  pid_t child = 0;
  int spawned = posix_spawnp(&child, "vim", &actions, nullptr, const_cast<char**>(arguments), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (spawned != 0 || waitpid(child, &status, 0) != child) return -1;
  double seconds = SecondsSince(start);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
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
  double vim = 1e9;
  for (int i = 0; i < kRepeats && vim > 0; ++i) vim = std::min(vim, VimSeconds(path));
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
  if (vim > 0) {
    std::printf("%s.vim_ms=%.0f\n", name, vim * 1e3);
    std::printf("%s.load_to_vim=%.2f\n", name, best.seconds / vim);
  } else {
    std::printf("%s.load_to_vim=none\n", name);
  }
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

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    for (int i = 1; i < argc; ++i) PrintFileFigures(argv[i], Load(fs::absolute(argv[i])));
    return 0;
  }
  std::printf("threads=%d\n", parted_decoding::Threads());
  return bench::RunOnPages(BenchmarkFile) == 0 ? 0 : 1;
}
