#include "tools/find_in_files/search_worker_win32.h"

#include <chrono>
#include <mutex>

#include "platform/folder_listing.h"
#include "tools/file_browser/request_table.h"

namespace search_worker {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kBatchInterval = std::chrono::milliseconds(100);
// How long a closing window waits for the thread.
constexpr DWORD kJoinMilliseconds = 2000;

// What the window's thread and the search's thread share; either may be
// the last to let go of it.
struct Shared {
  std::uint32_t id = 0;
  Request request;
  LineMatcher matcher;
  std::atomic<bool> stop = false;
  RequestTable<Batch> batches;
  std::mutex mutex;
  HWND receiver = nullptr;  // null once the window no longer listens
};

struct Current {
  std::shared_ptr<Shared> shared;
  HANDLE thread = nullptr;
};
Current current;  // the window's thread only
std::uint32_t last_id = 0;

void Hand(Shared& shared, std::unique_ptr<Batch> batch) {
  const std::uint32_t serial = shared.batches.Add(std::move(batch));
  if (serial == 0) return;
  std::lock_guard<std::mutex> lock(shared.mutex);
  if (!shared.receiver || !PostMessageW(shared.receiver, kBatchReady, shared.id, serial)) shared.batches.Take(serial);
}

DWORD WINAPI Run(void* parameter) {
  const std::unique_ptr<std::shared_ptr<Shared>> owned(static_cast<std::shared_ptr<Shared>*>(parameter));
  Shared& shared = **owned;
  const Clock::time_point started = Clock::now();
  Clock::time_point handed = started;
  auto batch = std::make_unique<Batch>();
  find_in_files::Counts counts;
  find_in_files::SearchFolder(
      HostFolderListing(), shared.request.folder, shared.matcher, shared.stop,
      [&](find_in_files::FileHits& file, const find_in_files::Counts& so_far) {
        if (!file.hits.empty()) batch->files.push_back(std::move(file));
        const Clock::time_point now = Clock::now();
        if (now - handed < kBatchInterval) return;
        batch->counts = so_far;
        Hand(shared, std::move(batch));
        batch = std::make_unique<Batch>();
        handed = now;
      },
      counts);
  batch->counts = counts;
  batch->finished = true;
  batch->milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
  Hand(shared, std::move(batch));
  return 0;
}

void Finish(bool wait) {
  if (!current.shared) return;
  current.shared->stop = true;
  {
    std::lock_guard<std::mutex> lock(current.shared->mutex);
    current.shared->receiver = nullptr;
  }
  if (current.thread) {
    if (wait) WaitForSingleObject(current.thread, kJoinMilliseconds);
    CloseHandle(current.thread);
  }
  current = Current();
}

}  // namespace

std::uint32_t Start(HWND receiver, Request request, std::u16string& error) {
  auto shared = std::make_shared<Shared>();
  if (!shared->matcher.Prepare(request.query, error)) return 0;
  Finish(true);
  if (++last_id == 0) ++last_id;
  shared->id = last_id;
  shared->request = std::move(request);
  shared->receiver = receiver;
  auto* handed = new std::shared_ptr<Shared>(shared);
  HANDLE thread = CreateThread(nullptr, 0, Run, handed, 0, nullptr);
  if (!thread) {
    delete handed;
    return 0;
  }
  current = {std::move(shared), thread};
  return last_id;
}

std::unique_ptr<Batch> Take(std::uint32_t search, std::uint32_t serial) {
  if (!current.shared || current.shared->id != search) return nullptr;
  return current.shared->batches.Take(serial);
}

void RequestStop() {
  if (current.shared) current.shared->stop = true;
}

void Abandon() { Finish(true); }

}  // namespace search_worker
