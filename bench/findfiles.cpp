// Find in files benchmark.  A site of 20,000 made pages (HTML, CSS, scripts
// and text, a quarter in Shift_JIS, in 100 folders): searching it for a
// rare class name, literally and as a pattern, against only listing, reading and
// decoding the same files, measured in the same run.  Prints key=value
// figures.
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "common/best_time.h"
#include "common/page_data.h"
#include "docs/encoding_detection.h"
#include "docs/line_decoding.h"
#include "docs/text_file_reader.h"
#include "platform/folder_listing.h"
#include "platform/mapped_file.h"
#include "tools/find_in_files/folder_search.h"

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 200;
constexpr int kLinesPerFile = 60;
constexpr int kRepeats = 3;
constexpr const char* kExtensions[] = {".html", ".htm", ".css", ".js", ".php", ".txt"};

bool MakeSite(const bench::fs::path& root) {
  bench::Random random;
  for (int folder = 0; folder < kFolders; ++folder) {
    const bench::fs::path path = root / ("section" + std::to_string(folder));
    bench::fs::create_directories(path);
    for (int file = 0; file < kFilesPerFolder; ++file) {
      int depth = 0;
      std::string text;
      for (int line = 0; line < kLinesPerFile; ++line) text += bench::HtmlLine(random, depth) + "\r\n";
      std::string bytes = text;
      if (file % 4 == 3 && !bench::ToShiftJis(text, bytes)) return false;
      const std::string name = "page" + std::to_string(file) + kExtensions[file % std::size(kExtensions)];
      if (!bench::WriteFile(path / name, bytes)) return false;
    }
  }
  return true;
}

// Counts the units, so that the decoding cannot be left out.
class CountingSink : public LineSink {
 public:
  bool AppendToLine(const char16_t*, std::int32_t count) override {
    units += count;
    return true;
  }
  bool EndLine() override {
    ++units;
    return true;
  }
  std::int64_t units = 0;
};

// What a search cannot do without: every folder listed, every file mapped,
// its encoding detected and its lines decoded.
bool ReadAll(const std::u16string& folder, std::int64_t& files, std::int64_t& units) {
  std::vector<std::u16string> files_here;
  std::vector<std::u16string> folders_here;
  const bool listed = HostFolderListing().List(folder, [&](const ListedEntry& entry) {
    (entry.folder ? folders_here : files_here).push_back(folder + u'/' + std::u16string(entry.name));
    return true;
  });
  if (!listed) return false;
  for (const std::u16string& path : files_here) {
    MappedFile mapped;
    if (mapped.Open(path.c_str()) != MappedFile::OpenResult::kOpened || !mapped.Map()) return false;
    const auto size = static_cast<std::uint32_t>(mapped.Size());
    const int encoding = encoding_detection::ChooseEncoding(mapped.Data(), size, kAutoDetect);
    if (encoding < 0) return false;
    TextFileReader reader(mapped.Data(), size, static_cast<EncodingId>(encoding));
    CountingSink sink;
    if (!DecodeLines(reader, sink)) return false;
    units += sink.units;
    ++files;
  }
  for (const std::u16string& path : folders_here)
    if (!ReadAll(path, files, units)) return false;
  return true;
}

double Search(const std::u16string& folder, const SearchQuery& query, find_in_files::Counts& counts) {
  LineMatcher matcher;
  std::u16string error;
  if (!matcher.Prepare(query, error)) return -1;
  const find_in_files::FolderQuery where{folder, FileMasks(u"*.html;*.htm;*.css;*.js;*.php;*.txt"), true};
  const std::atomic<bool> stop{false};
  return bench::Best(kRepeats, [&] {
    return find_in_files::SearchFolder(HostFolderListing(), where, matcher, stop,
                                       [](find_in_files::FileHits&, const find_in_files::Counts&) {}, counts);
  });
}

}  // namespace

int main() {
  const bench::fs::path root = bench::fs::temp_directory_path() / "vorndel_bench_findfiles";
  bench::fs::remove_all(root);
  if (!MakeSite(root)) {
    std::fprintf(stderr, "could not make the site\n");
    return 1;
  }
  const std::u16string folder = root.u16string();
  std::int64_t files = 0;
  std::int64_t units = 0;
  const double read = bench::Best(kRepeats, [&] {
    files = 0;
    units = 0;
    return ReadAll(folder, files, units);
  });
  find_in_files::Counts literal_counts;
  const double literal = Search(folder, {u"item-42\"", false, false}, literal_counts);
  find_in_files::Counts regex_counts;
  const double regex = Search(folder, {u"\\bitem-42\"", false, true}, regex_counts);
  bench::fs::remove_all(root);
  const bool same_files = literal_counts.files_searched == files && regex_counts.files_searched == files;
  if (read <= 0 || literal <= 0 || regex <= 0 || !same_files || literal_counts.hits == 0 ||
      regex_counts.hits != literal_counts.hits) {
    std::fprintf(stderr, "the searches did not read the same files or find the same lines\n");
    return 1;
  }
  std::printf("files=%lld\n", static_cast<long long>(files));
  std::printf("lines_found=%lld\n", static_cast<long long>(literal_counts.hits));
  std::printf("read_ms=%.1f\n", read * 1e3);
  std::printf("search_ms=%.1f\n", literal * 1e3);
  std::printf("regex_search_ms=%.1f\n", regex * 1e3);
  std::printf("search_vs_read=%.2f\n", literal / read);
  std::printf("regex_search_vs_read=%.2f\n", regex / read);
  return 0;
}
