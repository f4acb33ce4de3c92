#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/file_replace.h"
#include "platform/heap_block.h"
#include "platform/utf8_path.h"

namespace byte_file {
namespace {

// What a fault injected by a test reports.
constexpr std::uint32_t kInjected = ENOSPC;

bool Allowed(Step step) {
  if (StepAllowed(step)) return true;
  NoteFailure(kInjected);
  return false;
}

bool Fail() {
  NoteFailure(static_cast<std::uint32_t>(errno));
  return false;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::u16string Utf16(const std::string& path) {
  std::u16string wide;
  utf8_path::ToUtf16(path, wide);
  return wide;
}

// Makes a completed rename survive a power cut as well.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

std::size_t WriteAll(int fd, std::uint64_t offset, const void* bytes, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n =
        pwrite(fd, static_cast<const char*>(bytes) + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  return done;
}

// Copies all of `from` over the start of `to`, cuts `to` there and flushes
// it, each piece asked of the hook as `step`.
bool CopyWhole(int from, int to, Step step) {
  heap::Block piece;
  if (!piece.Allocate(1 << 20)) return Fail();
  std::uint64_t at = 0;
  for (;;) {
    const ssize_t got = pread(from, piece.Data(), piece.Size(), static_cast<off_t>(at));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Fail();
    if (got == 0) break;
    const auto count = static_cast<std::size_t>(got);
    if (!Allowed(step)) return false;
    if (WriteAll(to, at, piece.Data(), count) != count) return Fail();
    at += count;
  }
  if (!Allowed(step)) return false;
  return (ftruncate(to, static_cast<off_t>(at)) == 0 && fsync(to) == 0) || Fail();
}

// What the file to be replaced is: absent (a first save), or a file whose
// permissions the new one takes.  A file nobody may write stands in for
// Windows' read-only attribute, also for root, whom the system lets write
// anything.
struct OldFile {
  bool exists = false;
  mode_t mode = 0666;
  nlink_t links = 1;
};

bool InspectOldFile(const std::string& path, OldFile& old, Refusal& refusal) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return true;
    refusal = Refusal::kFailed;
    return Fail();
  }
  if (!S_ISREG(info.st_mode)) {
    refusal = Refusal::kFailed;
    NoteFailure(EISDIR);
    return false;
  }
  if ((info.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0) {
    refusal = Refusal::kReadOnly;
    NoteFailure(EACCES);
    return false;
  }
  old.exists = true;
  old.mode = info.st_mode & 07777;
  old.links = info.st_nlink;
  return true;
}

// Creates the first free temporary name for `name` in `folder`; -1 with
// the reason in `refusal` when none can be made.
// `mode` is taken as it is only with `exact_mode`; otherwise the creation
// mask applies.
int CreateTemporary(const std::string& folder, const std::string& name, Holds holds, mode_t mode, bool exact_mode,
                    std::string& temp, Refusal& refusal) {
  const std::size_t room = NameRoom(folder.size() + 1, PATH_MAX - 1, NAME_MAX);
  std::u16string wide_name;
  utf8_path::ToUtf16(name, wide_name);
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    const std::string temporary_name = utf8_path::FromUtf16(TemporaryName(wide_name, attempt, holds, room));
    if (temporary_name.empty() || temporary_name.size() > NAME_MAX) break;
    temp = folder + "/" + temporary_name;
    const int fd = open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) {
      // The creation mask may have taken permissions the old file has.
      if (exact_mode) fchmod(fd, mode);
      return fd;
    }
    if (errno == EEXIST) continue;
    refusal = errno == EACCES || errno == EPERM || errno == ENAMETOOLONG || errno == EROFS ? Refusal::kNoNewFile
                                                                                           : Refusal::kFailed;
    Fail();
    return -1;
  }
  refusal = Refusal::kNoNewFile;
  NoteFailure(ENAMETOOLONG);
  return -1;
}

// The rename way: a temporary file beside the target, removed when the
// target goes unless it took the old file's place.
class PosixReplacement final : public Target {
 public:
  PosixReplacement(std::string target, std::string temp, int fd)
      : target_(std::move(target)), temp_(std::move(temp)), fd_(fd) {}
  ~PosixReplacement() override {
    if (fd_ >= 0) close(fd_);
    if (!committed_) unlink(temp_.c_str());
  }

  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override {
    if (fd_ < 0 || committed_ || !Allowed(Step::kWrite)) return 0;
    const std::size_t done = WriteAll(fd_, offset, bytes, count);
    if (done != count) Fail();
    return done;
  }

  bool Commit() override {
    if (fd_ < 0 || committed_) return committed_;
    const bool flushed = Allowed(Step::kFlush) && (fsync(fd_) == 0 || Fail());
    const bool closed = close(fd_) == 0 || Fail();
    fd_ = -1;
    if (!flushed || !closed || !Allowed(Step::kReplace)) return false;
    if (rename(temp_.c_str(), target_.c_str()) != 0) return Fail();
    committed_ = true;
    StepAllowed(Step::kReplaced);
    SyncFolder(FolderOf(target_));
    return true;
  }

 private:
  std::string target_;
  std::string temp_;
  int fd_;
  bool committed_ = false;
};

// In place: the target open for writing and a flushed copy of its old
// bytes; the copy goes once the new bytes are in or the old ones are back.
class PosixInPlace final : public Target {
 public:
  PosixInPlace(int target, int copy, std::string copy_path)
      : target_(target), copy_(copy), copy_path_(std::move(copy_path)) {}
  ~PosixInPlace() override {
    if (!committed_ && touched_ && !restored_) Restore();
    close(target_);
    close(copy_);
    if (committed_ || restored_ || !touched_) unlink(copy_path_.c_str());
  }

  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override {
    if (committed_ || !Allowed(Step::kWrite)) return 0;
    touched_ = true;
    const std::size_t done = WriteAll(target_, offset, bytes, count);
    if (done != count) Fail();
    if (offset + done > end_) end_ = offset + done;
    return done;
  }

  bool Commit() override {
    if (committed_ || restored_) return committed_;
    touched_ = true;
    if (Allowed(Step::kFlush) &&
        ((ftruncate(target_, static_cast<off_t>(end_)) == 0 && fsync(target_) == 0) || Fail())) {
      committed_ = true;
      StepAllowed(Step::kReplaced);
      return true;
    }
    Restore();
    return false;
  }

 private:
  void Restore() {
    restored_ = CopyWhole(copy_, target_, Step::kRestore);
    if (!restored_) NoteKeptCopy(Utf16(copy_path_));
  }

  int target_;
  int copy_;
  std::string copy_path_;
  std::uint64_t end_ = 0;
  bool touched_ = false;
  bool committed_ = false;
  bool restored_ = false;
};

std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder && *folder ? folder : "/tmp";
}

// Opens the target and makes the flushed copy of its old bytes, beside it
// or in the temporary folder.
std::unique_ptr<Target> CreateInPlace(const std::string& target, Refusal& why) {
  const int fd = open(target.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) {
    why = Refusal::kFailed;
    Fail();
    return nullptr;
  }
  std::string copy_path;
  int copy = -1;
  // The copy holds the user's text: for the user alone.
  if (Allowed(Step::kCreate))
    copy = CreateTemporary(FolderOf(target), NameOf(target), Holds::kOldFile, 0600, false, copy_path, why);
  if (copy < 0 && Allowed(Step::kCreateElsewhere))
    copy = CreateTemporary(TemporaryFolder(), NameOf(target), Holds::kOldFile, 0600, false, copy_path, why);
  if (copy < 0 || !CopyWhole(fd, copy, Step::kCopyOld)) {
    if (copy >= 0) {
      close(copy);
      unlink(copy_path.c_str());
    }
    close(fd);
    why = Refusal::kFailed;
    return nullptr;
  }
  return std::make_unique<PosixInPlace>(fd, copy, std::move(copy_path));
}

}  // namespace

std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path, Refusal* refusal, Ways ways) {
  ClearFailure();
  Refusal why = Refusal::kNone;
  std::string target = utf8_path::FromUtf16(path);
  // A symbolic link is followed to the file it finally names.
  if (char* resolved = realpath(target.c_str(), nullptr)) {
    target = resolved;
    std::free(resolved);
  }
  OldFile old;
  std::unique_ptr<Target> made;
  if (InspectOldFile(target, old, why)) {
    // Another name of the same file would keep the old bytes after a rename.
    if (old.links <= 1 || ways == Ways::kRenameOnly) {
      std::string temp;
      const int fd = Allowed(Step::kCreate) ? CreateTemporary(FolderOf(target), NameOf(target), Holds::kNewText,
                                                              old.mode, old.exists, temp, why)
                                            : (why = Refusal::kNoNewFile, -1);
      if (fd >= 0) made = std::make_unique<PosixReplacement>(std::move(target), std::move(temp), fd);
    }
    if (!made && ways == Ways::kRenameOrInPlace && old.exists && (old.links > 1 || why == Refusal::kNoNewFile))
      made = CreateInPlace(target, why);
  }
  if (refusal) *refusal = made ? Refusal::kNone : why;
  return made;
}

}  // namespace byte_file
