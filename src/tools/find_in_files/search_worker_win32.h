#pragma once
// The thread a search in files runs on (Windows only), so that the window
// stays usable.  Every tenth of a second, and at the end, it hands what it
// found to the receiving window as a batch: the batch waits in a table of
// the search's own and the message posted carries only the search's number
// and the batch's serial, so that a message another program forges finds
// nothing.  A window that goes stops the search; the program never waits
// long for a thread stuck in the file system.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "tools/find_in_files/folder_search.h"

namespace search_worker {

// wparam: the search's number; lparam: the batch's serial.
inline constexpr UINT kBatchReady = WM_APP + 40;

struct Batch {
  std::vector<find_in_files::FileHits> files;  // those with matches
  find_in_files::Counts counts;                // so far
  bool finished = false;
  std::int64_t milliseconds = 0;  // the whole search's, when finished
};

struct Request {
  find_in_files::FolderQuery folder;
  SearchQuery query;
};

// Stops any search under way (waiting for it a moment) and starts this
// one; its number (never 0), or 0 when the text is refused (the engine's
// reason in error) or no thread could be made.
std::uint32_t Start(HWND receiver, Request request, std::u16string& error);
// The batch of that serial, when the search is the current one and the
// batch is waiting; null otherwise.
std::unique_ptr<Batch> Take(std::uint32_t search, std::uint32_t serial);
// Asks the current search to stop; it still sends its last batch.
void RequestStop();
// The receiver is going: no more messages, the thread stopped and waited
// for a moment, then left to end by itself.
void Abandon();

}  // namespace search_worker
