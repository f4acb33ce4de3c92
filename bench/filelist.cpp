// File list benchmark.  A folder of 20,000 files (documents, images and
// others, with digits in their names): the list's collection and natural
// sort against one plain enumeration of the same folder, measured in the
// same run.  Prints key=value figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/folder_listing.h"
#include "tools/file_browser/file_collection.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr int kFiles = 20'000;
constexpr int kRepeats = 5;
constexpr const char* kExtensions[] = {".html", ".htm", ".css", ".png", ".jpg", ".txt", ".bmp", ".php"};

double Best(const std::function<bool()>& run) {
  double best = 1e9;
  for (int i = 0; i < kRepeats; ++i) {
    const Clock::time_point start = Clock::now();
    if (!run()) return -1;
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

std::vector<WideString> List(std::initializer_list<std::u16string_view> items) {
  std::vector<WideString> list;
  for (std::u16string_view item : items) {
    list.emplace_back();
    list.back().Assign(item);
  }
  return list;
}

}  // namespace

int main() {
  const fs::path folder = fs::temp_directory_path() / "vorndel_bench_filelist";
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (int i = 0; i < kFiles; ++i)
    std::ofstream(folder / ("page" + std::to_string(i * 7919 % kFiles) + kExtensions[i % std::size(kExtensions)]));

  const std::u16string path = folder.u16string();
  const FolderListing& listing = HostFolderListing();
  const std::vector<WideString> documents = List({u".html", u".htm", u".xml", u".txt", u".css"});
  const std::vector<WideString> images = List({u".jpg", u".png", u".gif"});
  std::size_t entries = 0;
  const double enumerate = Best([&] {
    entries = 0;
    return listing.List(path, [&](const ListedEntry&) {
      ++entries;
      return true;
    });
  });
  std::vector<WideString> names;
  const double collect = Best([&] { return file_collection::Collect(listing, path, documents, images, names); });
  fs::remove_all(folder);
  if (enumerate <= 0 || collect <= 0 || entries != kFiles) return 1;
  std::printf("files=%zu\n", entries);
  std::printf("listed=%zu\n", names.size());
  std::printf("enumerate_ms=%.1f\n", enumerate * 1e3);
  std::printf("collect_ms=%.1f\n", collect * 1e3);
  std::printf("collect_vs_enumerate=%.2f\n", collect / enumerate);
  return 0;
}
