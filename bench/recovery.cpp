// Recovery snapshot benchmark.  Loads the generated UTF-8 page (about
// 100 MB, see common/page_data.h) into a document and takes its snapshot
// as the program does: the text copied on the user-interface thread in
// steps within the program's budget, then written whole to a snapshot file
// (on the program's worker thread).  The reference, measured in the same
// run, is one memcpy of as many units into a fresh buffer, which is what a
// copy in one go would at least hold typing up for.  Prints key=value
// figures: the longest time the user-interface thread is held
// (snapshot_ui_ms, the longest step), the whole snapshot
// (snapshot_total_ms, every step and the write), the number of steps, the
// reference and the longest step's ratio to it, and whether the file read
// back holds the document's text.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "common/loaded_file.h"
#include "common/page_data.h"
#include "common/whole_text.h"
#include "docs/recovery/snapshot_budget.h"
#include "docs/recovery/snapshot_file.h"
#include "docs/recovery/snapshot_text.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRepeats = 5;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int BenchmarkFile(const char* name, const fs::path& path, unsigned) {
  bench::LoadedFile file;
  if (!file.Load(name, path)) return 1;
  Document& document = file.document();
  const fs::path target = bench::DataFolder() / (std::string("snapshot_") + name + ".snapshot");
  const SnapshotHeader header{path.u16string(), 0, 0, 0, document.File().file_time, fs::file_size(path)};
  double ui = 1e9, total = 1e9, reference = 1e9;
  std::size_t units = 0;
  int steps = 0;
  for (int i = 0; i < kRepeats; ++i) {
    const Clock::time_point start = Clock::now();
    SnapshotText text;
    double longest = 0;
    steps = 0;
    for (bool done = false; !done; ++steps) {
      const Clock::time_point step = Clock::now();
      done = text.Continue(document.Store(), snapshot_budget::kStep);
      longest = std::max(longest, MsSince(step));
      if (text.Failed()) {
        std::printf("copy=fail\n");
        return 1;
      }
    }
    std::uint32_t error = 0;
    if (!snapshot_file::Write(target.u16string(), header, text.Pieces(), error)) {
      std::printf("write=fail error=%u\n", error);
      return 1;
    }
    ui = std::min(ui, longest);
    total = std::min(total, MsSince(start));
    units = text.Size();
    const Clock::time_point plain_start = Clock::now();
    std::unique_ptr<char16_t[]> plain(new char16_t[units]);
    std::size_t at = 0;
    for (std::u16string_view piece : text.Pieces()) {
      std::memcpy(plain.get() + at, piece.data(), piece.size() * 2);
      at += piece.size();
    }
    reference = std::min(reference, MsSince(plain_start));
  }
  SnapshotHeader read_header;
  std::u16string read_text;
  const bool read = snapshot_file::Read(target.u16string().c_str(), read_header, read_text);
  std::printf("text_mb=%.1f\n", static_cast<double>(units) * 2 / 1e6);
  std::printf("snapshot_ui_ms=%.0f\n", ui);
  std::printf("snapshot_total_ms=%.0f\n", total);
  std::printf("snapshot_steps=%d\n", steps);
  std::printf("reference_copy_ms=%.0f\n", reference);
  std::printf("ui_to_reference=%.2f\n", ui / reference);
  std::printf("read_back_identical=%d\n", read && read_text == bench::WholeText(document, u"\n") ? 1 : 0);
  std::error_code ignored;
  fs::remove(target, ignored);
  return 0;
}

}  // namespace

int main() {
  const fs::path utf8 = bench::DataFolder() / "page_utf8.html";
  if (!bench::GenerateOnce(utf8, bench::DataFolder() / "page_shift_jis.html")) return 1;
  return BenchmarkFile("page", utf8, 0);
}
