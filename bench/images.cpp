// Image size benchmark. Generates (once, in build/bench/data) two files of
// about 100 MB: one that starts FF D8 and holds no other marker, which the
// size reader scans to the end, and a JPEG of 64 KiB APP segments before
// its frame header, which it crosses by seeking. The reference, measured in
// the same run on the same file, reads the file once in 1 MiB blocks.
// Prints key=value figures: the times, scan_vs_read and skip_vs_read (the
// best of five runs each, taken in turn), and whether the sizes came out
// as made.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/page_data.h"
#include "platform/file_source.h"
#include "tools/image_size.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRepeats = 5;
constexpr std::size_t kSegmentBytes = 64 * 1024;
// The frame header of both: 32 lines of 48 samples.
constexpr std::uint8_t kFrame[] = {0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 0x20, 0x00, 0x30, 0x03};

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool GenerateOnce(const fs::path& path, std::string (*make)()) {
  if (fs::exists(path)) return true;
  fs::create_directories(path.parent_path());
  std::fprintf(stderr, "generating %s\n", path.c_str());
  return bench::WriteFile(path, make());
}

std::string WithoutMarkers() {
  std::string bytes(bench::kTargetBytes, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 255);  // never FF
  bytes[0] = '\xFF';
  bytes[1] = '\xD8';
  return bytes;
}

std::string Segments() {
  std::string segment(kSegmentBytes, '\xAB');
  const std::size_t length = kSegmentBytes - 2;  // the marker is not counted
  segment[0] = '\xFF';
  segment[1] = '\xE1';
  segment[2] = static_cast<char>(length >> 8);
  segment[3] = static_cast<char>(length);
  std::string bytes("\xFF\xD8");
  bytes.reserve(bench::kTargetBytes + kSegmentBytes + sizeof kFrame + 4);
  while (bytes.size() < bench::kTargetBytes) bytes += segment;
  bytes.append(reinterpret_cast<const char*>(kFrame), sizeof kFrame);
  bytes += "\xFF\xD9";
  return bytes;
}

// The reference: the whole file once, in 1 MiB blocks, through the same
// file access the reader uses.
double ReadSeconds(const fs::path& path, std::uint64_t& checksum) {
  static std::vector<std::uint8_t> block(1 << 20);
  const Clock::time_point start = Clock::now();
  const std::unique_ptr<byte_file::Source> source = byte_file::OpenFileSource(path.u16string());
  if (!source) return -1;
  std::uint64_t offset = 0;
  while (const std::size_t got = source->ReadAt(offset, block.data(), block.size())) {
    offset += got;
    checksum += block[got - 1];
  }
  return SecondsSince(start);
}

double SizeSeconds(const fs::path& path, ImageSize& size) {
  const Clock::time_point start = Clock::now();
  size = ReadImageSize(path.u16string());
  return SecondsSince(start);
}

struct Figures {
  double read = 1e300;
  double size = 1e300;
  ImageSize found;
};

Figures Measure(const fs::path& path, std::uint64_t& checksum) {
  Figures figures;
  ReadSeconds(path, checksum);  // into the page cache
  for (int run = 0; run < kRepeats; ++run) {
    figures.read = std::min(figures.read, ReadSeconds(path, checksum));
    figures.size = std::min(figures.size, SizeSeconds(path, figures.found));
  }
  return figures;
}

}  // namespace

int main() {
  const fs::path scan_path = bench::DataFolder() / "image_no_markers.jpg";
  const fs::path skip_path = bench::DataFolder() / "image_segments.jpg";
  if (!GenerateOnce(scan_path, WithoutMarkers) || !GenerateOnce(skip_path, Segments)) {
    std::fprintf(stderr, "could not generate the test files\n");
    return 1;
  }
  std::uint64_t checksum = 0;
  const Figures scan = Measure(scan_path, checksum);
  const Figures skip = Measure(skip_path, checksum);
  if (scan.read <= 0 || skip.read <= 0) {
    std::printf("read=fail\n");
    return 1;
  }
  std::printf("file_mb=%.1f\n", static_cast<double>(fs::file_size(scan_path)) / 1e6);
  std::printf("scan_ms=%.2f\n", scan.size * 1e3);
  std::printf("scan_read_ms=%.2f\n", scan.read * 1e3);
  std::printf("scan_vs_read=%.3f\n", scan.size / scan.read);
  std::printf("skip_ms=%.2f\n", skip.size * 1e3);
  std::printf("skip_read_ms=%.2f\n", skip.read * 1e3);
  std::printf("skip_vs_read=%.3f\n", skip.size / skip.read);
  const bool scan_right = scan.found.format == ImageFormat::kJpeg && scan.found.width == 0 && scan.found.height == 0;
  const bool skip_right = skip.found.format == ImageFormat::kJpeg && skip.found.width == 48 && skip.found.height == 32;
  std::printf("sizes_as_made=%d\n", scan_right && skip_right ? 1 : 0);
  std::printf("checksum=%llu\n", static_cast<unsigned long long>(checksum % 1000));
  return scan_right && skip_right ? 0 : 1;
}
