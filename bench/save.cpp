// Save benchmark.  Loads the generated pages (see common/page_data.h) into
// documents and saves each back in its own encoding, as the editor does:
// through a new file beside the target, flushed and renamed over it.  Two
// references are measured in the same run: the same save written in place,
// as it is done for a folder that takes no new file (a copy of the old file
// first, then the new bytes over it), and a conversion of the whole text in
// one call into one buffer written to a file in one write.  The check for
// characters the encoding cannot hold, made before every save, is timed
// against the save.  Prints key=value figures: the save time, both
// reference times, the check's time, the ratios, throughput, and whether
// each saved file is byte for byte the file that was loaded.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "common/loaded_file.h"
#include "common/page_data.h"
#include "common/whole_text.h"
#include "docs/character_loss.h"
#include "docs/document_saving.h"
#include "platform/code_page.h"
#include "platform/file_replace.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRepeats = 5;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

double ReferenceSeconds(const std::u16string& text, unsigned code_page, const fs::path& target) {
  Clock::time_point start = Clock::now();
  const auto units = static_cast<std::int32_t>(text.size());
  const std::int32_t needed = code_page::FromUtf16(code_page, text.data(), units, nullptr, 0);
  std::unique_ptr<char[]> bytes(new char[static_cast<std::size_t>(needed)]);
  const std::int32_t written = code_page::FromUtf16(code_page, text.data(), units, bytes.get(), needed);
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.get(), written);
  out.close();
  const double seconds = SecondsSince(start);
  return written == needed && out ? seconds : -1;
}

// Saves as for a folder that takes no new file.
bool SaveInPlace(Document& document, const fs::path& target) {
  byte_file::SetStepHook([](byte_file::Step step) { return step != byte_file::Step::kCreate; });
  const bool saved =
      document_saving::Save(document, target.u16string().c_str(), document.File().encoding, document.File().line_breaks);
  byte_file::SetStepHook(nullptr);
  return saved;
}

int BenchmarkFile(const char* name, const fs::path& path, unsigned code_page) {
  bench::LoadedFile file;
  if (!file.Load(name, path)) return 1;
  Document& document = file.document();
  const fs::path target = bench::DataFolder() / (std::string("saved_") + name + ".html");
  const fs::path copied_target = bench::DataFolder() / (std::string("copied_") + name + ".html");
  const fs::path reference_target = bench::DataFolder() / (std::string("reference_") + name + ".html");
  const std::u16string text = bench::WholeText(document, u"\r\n");
  // Written in place only over a file that is there.
  std::ofstream(copied_target, std::ios::binary) << "old";
  double reference = 1e9, save = 1e9, copy = 1e9, check = 1e9;
  std::int64_t lost = 0;
  for (int i = 0; i < kRepeats; ++i) {
    Clock::time_point checked = Clock::now();
    lost = character_loss::Find(document.Store(), document.File().encoding).count;
    check = std::min(check, SecondsSince(checked));
    reference = std::min(reference, ReferenceSeconds(text, code_page, reference_target));
    Clock::time_point start = Clock::now();
    const bool saved =
        document_saving::Save(document, target.u16string().c_str(), document.File().encoding, document.File().line_breaks);
    const double seconds = SecondsSince(start);
    start = Clock::now();
    const bool copied = SaveInPlace(document, copied_target);
    const double copy_seconds = SecondsSince(start);
    if (!saved || !copied || reference <= 0) {
      std::printf("%s.save=fail\n", name);
      return 1;
    }
    save = std::min(save, seconds);
    copy = std::min(copy, copy_seconds);
  }
  const double megabytes = static_cast<double>(fs::file_size(path)) / 1e6;
  std::printf("%s.file_mb=%.1f\n", name, megabytes);
  std::printf("%s.save_ms=%.0f\n", name, save * 1e3);
  std::printf("%s.in_place_save_ms=%.0f\n", name, copy * 1e3);
  std::printf("%s.check_ms=%.1f\n", name, check * 1e3);
  std::printf("%s.lost_characters=%lld\n", name, static_cast<long long>(lost));
  std::printf("%s.check_to_save=%.3f\n", name, check / save);
  std::printf("%s.reference_ms=%.0f\n", name, reference * 1e3);
  std::printf("%s.save_mb_per_s=%.0f\n", name, megabytes / save);
  std::printf("%s.save_to_reference=%.2f\n", name, save / reference);
  std::printf("%s.replace_vs_in_place=%.2f\n", name, save / copy);
  const std::string loaded = FileBytes(path);
  std::printf("%s.identical=%d\n", name, FileBytes(target) == loaded ? 1 : 0);
  std::printf("%s.in_place_identical=%d\n", name, FileBytes(copied_target) == loaded ? 1 : 0);
  std::error_code ignored;
  fs::remove(target, ignored);
  fs::remove(copied_target, ignored);
  fs::remove(reference_target, ignored);
  return 0;
}

}  // namespace

int main() {
  return bench::RunOnPages(BenchmarkFile) == 0 ? 0 : 1;
}
