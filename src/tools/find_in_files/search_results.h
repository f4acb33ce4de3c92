#pragma once
// What a search in files found: per file its path, its path relative to
// the searched folder and the matching lines, each with the first match's
// columns and the text a row shows; and the counts the summary row gives.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace find_in_files {

// Rows kept at most; a search that finds more stops there and says so.
inline constexpr std::int64_t kMostHits = 100000;
// A row shows at most this many units of its line.
inline constexpr std::size_t kShownUnits = 300;

struct Hit {
  std::int32_t line = 0;  // from 0
  std::int32_t start = 0;  // the match's columns in the line
  std::int32_t end = 0;
  std::u16string shown;  // the line as the row shows it
};

struct FileHits {
  std::u16string path;
  std::u16string relative;
  std::vector<Hit> hits;
};

struct Counts {
  std::int64_t files_searched = 0;
  std::int64_t files_skipped = 0;  // binary, unreadable or gone
  std::int64_t files_with_hits = 0;
  std::int64_t hits = 0;
  bool capped = false;   // kMostHits reached: the search stopped there
  bool stopped = false;  // the user stopped it
  bool too_complex = false;  // the pattern ran past its budget on some line
};

// The text a row shows for a match in line: the line without its leading
// blanks, cut to kShownUnits so that the match is in it, control units as blanks.
std::u16string ShownText(std::u16string_view line, std::int32_t start);

}  // namespace find_in_files
