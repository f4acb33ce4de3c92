#pragma once
// Loading a text file into an empty text store: the file is mapped, its
// encoding chosen or detected, and its lines decoded chunk by chunk straight
// into the store.
#include <cstdint>

#include "docs/loaded_text.h"

enum LoadResult : int {
  kLoadFailed = 0,   // nothing changed
  kLoadedEmpty = 1,  // a missing or empty file: only path and time were set
  kLoadedText = 2,
};

// Where a load puts the text and the file state it finds: a LoadedText's
// fields, or an editor document's.
struct LoadTarget {
  TextStore& store;
  WideString& path;
  EncodingId& encoding;
  LineBreakStyle& line_breaks;
  std::uint64_t& last_write_time;
};

// choice is an EncodingId, kAutoDetect included.  The store must hold only
// its first, empty line.  A file that exists but cannot be opened or mapped,
// or is 4 GiB or larger, fails rather than load as empty, so that a later
// save cannot overwrite it.
LoadResult LoadIntoStore(const LoadTarget& target, const char16_t* path, int choice);
LoadResult LoadIntoDocument(LoadedText& text, const char16_t* path, int choice);
