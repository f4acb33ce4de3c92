#include "frame/documents/recovery.h"

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>

#include "docs/recovery/recovery_names.h"
#include "docs/recovery/snapshot_budget.h"
#include "docs/recovery/snapshot_file.h"
#include "docs/recovery/snapshot_schedule.h"
#include "docs/recovery/snapshot_text.h"
#include "frame/documents/document_tabs.h"
#include "frame/documents/tab_area_win32.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "base/language/string_ids.h"
#include "base/settings_location.h"
#include "platform/system_error.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace recovery {
namespace {

using tab_area::Set;

constexpr UINT kIdleIntervalMs = 500;

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// What the worker does, in the order asked: a write and a later removal of
// the same file never swap.
struct Work {
  std::u16string path;
  bool remove = false;
  SnapshotHeader header;
  SnapshotText text;
};

class Writer {
 public:
  Writer() = default;
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  ~Writer() { Stop(); }
  void Start() { thread_ = std::thread([this] { Run(); }); }
  void Add(Work work) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      queue_.push_back(std::move(work));
    }
    wake_.notify_all();
  }
  // Until everything asked so far is done.
  void Flush() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
  }
  // The cause of the first failed write since the last one that went
  // through, once: a spell of failures is told once, not at every try.
  bool TakeFailureToTell(std::uint32_t& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!failure_to_tell_) return false;
    failure_to_tell_ = false;
    error = failure_error_;
    return true;
  }
  void Stop() {
    if (!thread_.joinable()) return;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }

 private:
  void Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;
      Work work = std::move(queue_.front());
      queue_.pop_front();
      busy_ = true;
      lock.unlock();
      bool written = true;
      std::uint32_t error = 0;
      if (work.remove) {
        DeleteFileW(Wide(work.path));
      } else {
        // A failed write leaves the previous snapshot whole; the next
        // change tries again.
        written = snapshot_file::Write(work.path, work.header, work.text.Pieces(), error);
      }
      lock.lock();
      if (!written && !failing_) {
        failure_to_tell_ = true;
        failure_error_ = error;
      }
      if (!work.remove) failing_ = !written;
      busy_ = false;
      if (queue_.empty()) idle_.notify_all();
    }
  }

  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable wake_, idle_;
  std::deque<Work> queue_;
  bool busy_ = false;
  bool stopping_ = false;
  bool failing_ = false;
  bool failure_to_tell_ = false;
  std::uint32_t failure_error_ = 0;
};

struct Entry {
  std::uint32_t serial = 0;
  std::uint64_t seen_changes = 0;
  snapshot_schedule::Pending pending;
  bool on_disk = false;
};

// The copy under way: one document at a time.
struct Copy {
  Document* document = nullptr;
  std::uint64_t changes = 0;
  SnapshotText text;
};

struct State {
  bool started = false;
  std::u16string folder;
  std::u16string token;
  HANDLE owner = INVALID_HANDLE_VALUE;
  std::uint32_t next_serial = 0;
  std::unordered_map<Document*, Entry> entries;
  Copy copy;
  Writer writer;
};

State& Recovery() {
  static State state;
  return state;
}

std::u16string InFolder(std::u16string_view name) {
  std::u16string path = Recovery().folder;
  path += u'\\';
  path += name;
  return path;
}

std::u16string SnapshotPath(const Entry& entry) {
  return InFolder(recovery_names::SnapshotName(Recovery().token, entry.serial));
}

Entry& EntryOf(Document* document) {
  State& state = Recovery();
  auto found = state.entries.find(document);
  if (found != state.entries.end()) return found->second;
  // Changes made before the document was first seen count too.
  Entry& entry = state.entries[document];
  entry.serial = ++state.next_serial;
  return entry;
}

// A running instance holds its owner file open without sharing.
bool OwnerRuns(std::u16string_view token) {
  const std::u16string path = InFolder(recovery_names::OwnerFileName(token));
  HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return false;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION;
}

// Tells in the status bar that snapshots are not being written, and why.
void TellFailure(std::uint32_t error) {
  WideString message;
  language_module::String(string_ids::kSnapshotsNotWritten, message);
  message.Append(system_error::Text(error));
  document_tabs::ShowStatusMessage(message.View());
}

// The files of the folder matching `pattern` whose owner, as `owner_of`
// reads it from the name, is another instance that no longer runs.
template <typename OwnerOf>
std::vector<std::u16string> LeftBehind(std::u16string_view pattern, OwnerOf owner_of) {
  std::vector<std::u16string> names;
  WIN32_FIND_DATAW found = {};
  HANDLE search = FindFirstFileW(Wide(InFolder(pattern)), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::u16string name(reinterpret_cast<const char16_t*>(found.cFileName));
    std::u16string token;
    if (owner_of(name, token) && token != Recovery().token && !OwnerRuns(token)) names.push_back(std::move(name));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

// The temporary files of snapshot writes cut short by the end of their
// instance.  A running instance's are its own business, and any other file
// is left alone.
void RemoveLeftOverTemporaries() {
  for (const std::u16string& name : LeftBehind(u"*.snapshot.*", recovery_names::ParseSnapshotTemporaryName))
    DeleteFileW(Wide(InFolder(name)));
}

void SetTimerInterval(UINT interval) {
  if (HWND main = static_cast<HWND>(Frame().main_window)) SetTimer(main, kTimerId, interval, nullptr);
}

SnapshotHeader HeaderOf(Document& document) {
  SnapshotHeader header;
  header.path.assign(document.File().path.View());
  header.encoding = static_cast<std::uint32_t>(document.File().encoding);
  header.line_breaks = static_cast<std::uint32_t>(document.File().line_breaks);
  header.caret_line = document.Selection().caret.line;
  header.file_time = document.File().disk_time;
  header.file_size = document.File().disk_size;
  return header;
}

void Remove(Entry& entry) {
  if (entry.on_disk) Recovery().writer.Add({SnapshotPath(entry), true, {}, {}});
  entry.on_disk = false;
  entry.pending = {};
}

void Hand(Document& document, SnapshotText text) {
  Entry& entry = EntryOf(&document);
  Recovery().writer.Add({SnapshotPath(entry), false, HeaderOf(document), std::move(text)});
  entry.on_disk = true;
  entry.pending = {};
}

bool InSet(const Document* document) {
  for (std::int32_t i = 0; i < Set().Count(); ++i)
    if (Set().At(i) == document) return true;
  return false;
}

// One step of the copy under way; true while it goes on.
bool StepCopy() {
  Copy& copy = Recovery().copy;
  if (!copy.document) return false;
  Document* document = copy.document;
  if (!InSet(document) || !document->Modified()) {
    copy = {};
    return false;
  }
  if (document->ChangeCount() != copy.changes) {
    Entry& entry = EntryOf(document);
    entry.seen_changes = document->ChangeCount();
    snapshot_schedule::Spoiled(entry.pending, GetTickCount64());
    copy = {};
    return false;
  }
  if (!copy.text.Continue(document->Store(), snapshot_budget::kStep)) {
    if (!copy.text.Failed()) return true;
    copy = {};
    return false;
  }
  Hand(*document, std::move(copy.text));
  copy = {};
  return false;
}

// Notes the changes of every document and starts the copy of the first
// whose snapshot is due.
void Schedule(std::uint64_t now) {
  State& state = Recovery();
  for (std::int32_t i = 0; i < Set().Count(); ++i) {
    Document* document = Set().At(i);
    Entry& entry = EntryOf(document);
    if (document->ChangeCount() != entry.seen_changes) {
      entry.seen_changes = document->ChangeCount();
      snapshot_schedule::Changed(entry.pending, now);
    }
    if (!document->Modified()) {
      Remove(entry);
      continue;
    }
    if (!entry.pending.any || !snapshot_schedule::Due(entry.pending, now)) continue;
    if (state.copy.document) continue;
    state.copy.document = document;
    state.copy.changes = document->ChangeCount();
  }
}

void Forget(Document& document) {
  State& state = Recovery();
  if (state.copy.document == &document) state.copy = {};
  state.entries.erase(&document);
}

// A left-over snapshot taken over: renamed to this instance's name, so
// that no other instance takes it too and that it stays whole until this
// instance writes the next one.
bool Adopt(const std::u16string& name, Entry& entry) {
  entry.serial = ++Recovery().next_serial;
  return MoveFileExW(Wide(InFolder(name)), Wide(SnapshotPath(entry)), 0) != FALSE;
}

// The recovered text in a document of its own, or in the document that
// already shows its file unchanged.
Document* TargetFor(const SnapshotHeader& header) {
  if (!header.path.empty()) {
    Document* open = Set().FindByPath(header.path);
    if (open && !open->Modified() && !Recovery().entries.contains(open)) return open;
  }
  if (Set().Count() == 1 && document_opening::Untouched(*Set().At(0))) return Set().At(0);
  return document_tabs::NewDocument() ? Set().Active() : nullptr;
}

bool Restore(const std::u16string& name) {
  SnapshotHeader header;
  std::u16string text;
  if (!snapshot_file::Read(InFolder(name).c_str(), header, text)) return false;
  Entry entry;
  if (!Adopt(name, entry)) return false;
  Document* document = TargetFor(header);
  if (!document || !document->LoadText(text) || !document->SetPath(header.path)) {
    // The snapshot stays, under this instance's name, for the next start.
    return false;
  }
  document->SetFormat(static_cast<EncodingId>(header.encoding), static_cast<LineBreakStyle>(header.line_breaks));
  document->SetDiskStamp(header.file_time, header.file_size);
  document->MarkUnsaved();
  document->NotifyModifiedChanged();
  entry.seen_changes = document->ChangeCount();
  entry.on_disk = true;
  Recovery().entries[document] = entry;
  const std::int32_t index = tab_area::IndexOf(document);
  if (index >= 0) {
    tab_area::Retitle(index);
    document_tabs::ActivateTab(index);
    document_tabs::GoToLine(header.caret_line);
  }
  return true;
}

}  // namespace

bool Start() {
  State& state = Recovery();
  if (state.started) return true;
  state.folder.assign(settings_location::FolderOf(Frame().settings_file_path.View()));
  if (state.folder.empty()) return false;
  if (state.folder.back() != u'\\') state.folder += u'\\';
  state.folder += recovery_names::kFolder;
  if (!CreateDirectoryW(Wide(state.folder), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    TellFailure(GetLastError());
    return false;
  }
  FILETIME now = {};
  GetSystemTimeAsFileTime(&now);
  state.token = recovery_names::OwnerToken(GetCurrentProcessId(),
                                           (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  state.owner = CreateFileW(Wide(InFolder(recovery_names::OwnerFileName(state.token))), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (state.owner == INVALID_HANDLE_VALUE) {
    TellFailure(GetLastError());
    return false;
  }
  RemoveLeftOverTemporaries();
  state.writer.Start();
  state.started = true;
  SetTimerInterval(kIdleIntervalMs);
  return true;
}

void RestoreLeftOvers() {
  State& state = Recovery();
  if (!state.started || !Frame().documents) return;
  const auto snapshot_owner = [](std::u16string_view name, std::u16string& token) {
    std::uint32_t serial = 0;
    return recovery_names::ParseSnapshotName(name, token, serial);
  };
  const std::vector<std::u16string> names = LeftBehind(u"*.snapshot", snapshot_owner);
  int restored = 0;
  for (const std::u16string& name : names)
    if (Restore(name)) ++restored;
  if (restored == 0) return;
  WideString message;
  language_module::String(string_ids::kRecovered, message);
  const std::u16string count = [](int n) {
    std::u16string digits;
    do {
      digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
      n /= 10;
    } while (n != 0);
    return digits;
  }(restored);
  message.Append(count);
  document_tabs::ShowStatusMessage(message.View());
}

void Tick() {
  State& state = Recovery();
  if (!state.started || !Frame().documents) return;
  std::uint32_t error = 0;
  if (state.writer.TakeFailureToTell(error)) TellFailure(error);
  if (!state.copy.document) Schedule(GetTickCount64());
  SetTimerInterval(StepCopy() ? snapshot_budget::kStepIntervalMs : kIdleIntervalMs);
}

void Saved(Document& document) {
  if (!Recovery().started) return;
  Entry& entry = EntryOf(&document);
  Remove(entry);
  entry.seen_changes = document.ChangeCount();
}

void Closing(Document& document, bool keep_snapshot) {
  if (!Recovery().started) return;
  if (!keep_snapshot) Remove(EntryOf(&document));
  Forget(document);
}

void SnapshotAllNow() {
  State& state = Recovery();
  if (!state.started || !Frame().documents) return;
  state.copy = {};
  for (std::int32_t i = 0; i < Set().Count(); ++i) {
    Document* document = Set().At(i);
    Entry& entry = EntryOf(document);
    const bool changed = document->ChangeCount() != entry.seen_changes;
    entry.seen_changes = document->ChangeCount();
    if (!document->Modified()) {
      Remove(entry);
      continue;
    }
    if (entry.on_disk && !entry.pending.any && !changed) continue;
    SnapshotText text;
    while (!text.Continue(document->Store(), std::chrono::hours(1)))
      if (text.Failed()) break;
    if (text.Complete()) Hand(*document, std::move(text));
  }
  state.writer.Flush();
}

void Stop() {
  State& state = Recovery();
  if (!state.started) return;
  if (HWND main = static_cast<HWND>(Frame().main_window)) KillTimer(main, kTimerId);
  state.writer.Flush();
  state.writer.Stop();
  state.entries.clear();
  state.copy = {};
  CloseHandle(state.owner);
  state.owner = INVALID_HANDLE_VALUE;
  // A clean exit leaves no empty folder behind; snapshots kept for the next
  // start, or another instance's owner file, keep it.
  RemoveDirectoryW(Wide(state.folder));
  state.started = false;
}

}  // namespace recovery
