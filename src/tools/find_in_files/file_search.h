#pragma once
// Searching one file: its bytes mapped, the encoding detected as a load
// detects it, the lines decoded one by one and each given to the matcher.
// A file whose first bytes hold a NUL (a NUL unit in UTF-16) is taken for
// binary and skipped, and so is one that cannot be opened or mapped, has
// gone, or is 4 GiB or larger.
#include <atomic>
#include <cstdint>

#include "tools/find_in_files/line_matcher.h"
#include "tools/find_in_files/search_results.h"

namespace find_in_files {

enum class FileOutcome { kSearched, kBinary, kUnreadable, kStopped };

// Bytes (or UTF-16 units) looked at for a NUL.
inline constexpr std::uint32_t kBinaryProbe = 8192;

// Whether the first bytes of data, to be decoded as encoding, mark it as
// binary.
bool LooksBinary(const std::uint8_t* data, std::uint32_t size, int encoding);

// Adds each matching line of the file at files.path to files.hits, at most
// room of them (so that the whole search keeps to kMostHits); `capped` is
// set when a further line matched.  Stops early once stop is set.
FileOutcome SearchFile(const LineMatcher& matcher, const std::atomic<bool>& stop, std::int64_t room, FileHits& file,
                       bool& capped, bool& too_complex);

}  // namespace find_in_files
