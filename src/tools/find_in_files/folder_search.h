#pragma once
// Searching a folder: the files its masks take, in natural order, then
// (when asked) each subfolder the same way, each file searched as
// file_search does.  The caller hears of every file, with the counts so
// far, so that it can hand results on and show progress.
#include <atomic>
#include <functional>
#include <string>

#include "platform/folder_listing.h"
#include "tools/find_in_files/file_masks.h"
#include "tools/find_in_files/line_matcher.h"
#include "tools/find_in_files/search_results.h"

namespace find_in_files {

// Folders below the searched one that are entered at most, so that a
// folder linked into itself cannot go on for ever.
inline constexpr int kDeepestFolder = 64;

struct FolderQuery {
  std::u16string folder;
  FileMasks masks;
  bool subfolders = true;
};

// file holds the file's hits (none for most files); it may be moved from.
using FileDone = std::function<void(FileHits& file, const Counts& counts)>;

// The counts at the end: stopped when stop was set, capped when kMostHits
// matching lines were found and one more matched.  False when the folder
// itself cannot be listed.
bool SearchFolder(const FolderListing& listing, const FolderQuery& query, const LineMatcher& matcher,
                  const std::atomic<bool>& stop, const FileDone& done, Counts& counts);

}  // namespace find_in_files
