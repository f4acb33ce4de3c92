// Tag library benchmark.  A generated library of 10,000 tags is read from a
// file and written back through the replacement, as at start-up and exit.
// The reference, measured in the same run, reads the same bytes in one call
// and splits them into one string per line, then joins those lines and
// writes them through the same replacement in one call.  Prints key=value
// figures: both times, their ratios, and whether the written file is byte
// for byte the generated one.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "common/page_data.h"
#include "platform/file_replace.h"
#include "platform/file_source.h"
#include "tools/tag_library_reader.h"
#include "tools/tag_library_writer.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRepeats = 7;
constexpr int kFolders = 100;
constexpr int kTagsPerFolder = 100;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The library in the form the writer gives, so that a faithful round trip
// reproduces it exactly.
std::string GeneratedLibrary() {
  bench::Random random;
  std::string text;
  for (int f = 0; f < kFolders; ++f) {
    text += "Folder:Folder " + std::to_string(f) + "\r\nExp:" + (f % 3 ? "0" : "1") + "\r\n\r\n";
    for (int t = 0; t < kTagsPerFolder; ++t) {
      const std::string tag = bench::kTags[random.Next(std::size(bench::kTags))];
      const std::string word = bench::kWords[random.Next(std::size(bench::kWords))];
      text += "Name:" + tag + " " + word + "\r\n";
      text += "Start:<" + tag + " class=\"" + word + "\">" + (t % 4 ? "" : "\\n") + "\r\n";
      text += "End:</" + tag + ">\r\n";
      text += "Note:" + word + " " + std::to_string(t) + (t % 5 ? "" : "\\nsecond line with a \\\\ backslash") + "\r\n";
      text += "Move:" + std::to_string(t % 7 ? 0 : -static_cast<int>(word.size()) - 2) + "\r\n\r\n";
    }
  }
  std::string bytes = "\xFF\xFE";
  for (char c : text) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

bool ReadLibrary(const fs::path& path, TagLibrary& library) {
  const auto source = byte_file::OpenFileSource(path.u16string());
  return source && LoadTagLibrary(*source, library);
}

bool WriteLibrary(const TagLibrary& library, const fs::path& path) {
  const auto target = byte_file::CreateFileReplacement(path.u16string());
  LinkedLibraryWalk walk(library);
  return target && SaveTagLibrary(walk, *target);
}

bool ReadLines(const fs::path& path, std::vector<std::u16string>& lines) {
  const auto source = byte_file::OpenFileSource(path.u16string());
  std::uint64_t size = 0;
  if (!source || !source->Size(&size)) return false;
  std::u16string units(size / 2, u'\0');
  const std::size_t bytes = units.size() * sizeof(char16_t);
  if (source->ReadAt(0, units.data(), bytes) != bytes) return false;
  std::size_t from = units.starts_with(u'\xFEFF') ? 1 : 0;
  for (std::size_t at; (at = units.find(u"\r\n", from)) != std::u16string::npos; from = at + 2)
    lines.emplace_back(units, from, at - from);
  return true;
}

bool WriteLines(const std::vector<std::u16string>& lines, const fs::path& path) {
  std::u16string joined = u"\xFEFF";
  for (const std::u16string& line : lines) joined += line + u"\r\n";
  const auto target = byte_file::CreateFileReplacement(path.u16string());
  const std::size_t bytes = joined.size() * sizeof(char16_t);
  return target && target->WriteAt(0, joined.data(), bytes) == bytes && target->Commit();
}

}  // namespace

int main() {
  const fs::path folder = bench::DataFolder();
  fs::create_directories(folder);
  const fs::path source = folder / "tags_library.txt";
  const fs::path written = folder / "tags_written.txt";
  const fs::path reference_written = folder / "tags_reference.txt";
  const std::string generated = GeneratedLibrary();
  std::ofstream(source, std::ios::binary) << generated;

  double read = 1e9, write = 1e9, lines_read = 1e9, lines_write = 1e9;
  for (int i = 0; i < kRepeats; ++i) {
    Clock::time_point start = Clock::now();
    std::vector<std::u16string> lines;
    if (!ReadLines(source, lines)) return std::puts("reference_read=fail"), 1;
    lines_read = std::min(lines_read, SecondsSince(start));
    start = Clock::now();
    if (!WriteLines(lines, reference_written)) return std::puts("reference_write=fail"), 1;
    lines_write = std::min(lines_write, SecondsSince(start));

    start = Clock::now();
    TagLibrary library;
    if (!ReadLibrary(source, library)) return std::puts("read=fail"), 1;
    read = std::min(read, SecondsSince(start));
    start = Clock::now();
    if (!WriteLibrary(library, written)) return std::puts("write=fail"), 1;
    write = std::min(write, SecondsSince(start));
  }
  std::printf("entries=%d\n", kFolders * kTagsPerFolder);
  std::printf("file_kb=%.0f\n", static_cast<double>(generated.size()) / 1024);
  std::printf("read_ms=%.2f\n", read * 1e3);
  std::printf("lines_read_ms=%.2f\n", lines_read * 1e3);
  std::printf("read_vs_lines=%.2f\n", read / lines_read);
  std::printf("write_ms=%.2f\n", write * 1e3);
  std::printf("lines_write_ms=%.2f\n", lines_write * 1e3);
  std::printf("write_vs_lines=%.2f\n", write / lines_write);
  std::printf("round_trip_same=%d\n", FileBytes(written) == generated ? 1 : 0);
  std::error_code ignored;
  for (const fs::path& path : {source, written, reference_written}) fs::remove(path, ignored);
  return 0;
}
