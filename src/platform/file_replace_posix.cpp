#include <fcntl.h>
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

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::u16string_view NameOf(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'/');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
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
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

// What the file to be replaced is: absent (a first save), or a file whose
// permissions the new one takes.  A file nobody may write stands in for
// Windows' read-only attribute, also for root, whom the system lets write
// anything.
struct OldFile {
  bool exists = false;
  mode_t mode = 0666;
};

bool InspectOldFile(const std::string& path, OldFile& old, Refusal& refusal) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return true;
    refusal = Refusal::kFailed;
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    refusal = Refusal::kFailed;
    return false;
  }
  if ((info.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0) {
    refusal = Refusal::kReadOnly;
    return false;
  }
  old.exists = true;
  old.mode = info.st_mode & 07777;
  return true;
}

// Creates the first free temporary name for `name` in `folder`; -1 with
// the reason in `refusal` when none can be made.
int CreateTemporary(const std::string& folder, std::u16string_view name, const OldFile& old, std::string& temp,
                    Refusal& refusal) {
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    temp = folder + "/" + utf8_path::FromUtf16(TemporaryName(name, attempt));
    const int fd = open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, old.mode);
    if (fd >= 0) {
      // The creation mask may have taken permissions the old file has.
      if (old.exists) fchmod(fd, old.mode);
      return fd;
    }
    if (errno == EEXIST) continue;
    refusal = errno == EACCES || errno == EPERM || errno == ENAMETOOLONG ? Refusal::kNoNewFile : Refusal::kFailed;
    return -1;
  }
  refusal = Refusal::kFailed;
  return -1;
}

// A temporary file being written; removed when the target goes unless it
// took the old file's place.
class PosixTemporary : public Target {
 public:
  PosixTemporary(std::string target, std::string temp, int fd)
      : target_(std::move(target)), temp_(std::move(temp)), fd_(fd) {}
  ~PosixTemporary() override {
    if (fd_ >= 0) close(fd_);
    if (!renamed_) unlink(temp_.c_str());
  }

  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override {
    if (fd_ < 0 || committed_ || !StepAllowed(Step::kWrite)) return 0;
    return WriteAll(fd_, offset, bytes, count);
  }

 protected:
  std::string target_;
  std::string temp_;
  int fd_;
  bool committed_ = false;
  bool renamed_ = false;
};

class PosixReplacement final : public PosixTemporary {
 public:
  using PosixTemporary::PosixTemporary;

  bool Commit() override {
    if (fd_ < 0 || committed_) return committed_;
    const bool flushed = StepAllowed(Step::kFlush) && fsync(fd_) == 0;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    if (!flushed || !closed || !StepAllowed(Step::kReplace) || rename(temp_.c_str(), target_.c_str()) != 0)
      return false;
    committed_ = renamed_ = true;
    StepAllowed(Step::kReplaced);
    SyncFolder(FolderOf(target_));
    return true;
  }
};

class PosixCopyingReplacement final : public PosixTemporary {
 public:
  using PosixTemporary::PosixTemporary;

  bool Commit() override {
    if (fd_ < 0 || committed_) return committed_;
    const int target = open(target_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (target < 0) return false;
    // Over the old bytes in place, then cut: the file never passes through
    // empty.
    const bool copied = CopyInto(target);
    const bool flushed = copied && StepAllowed(Step::kFlush) && fsync(target) == 0;
    const bool closed = close(target) == 0;
    committed_ = copied && flushed && closed;
    if (committed_) StepAllowed(Step::kReplaced);
    return committed_;
  }

 private:
  bool CopyInto(int target) {
    heap::Block piece;
    if (!piece.Allocate(1 << 20)) return false;
    std::uint64_t at = 0;
    for (;;) {
      const ssize_t got = pread(fd_, piece.Data(), piece.Size(), static_cast<off_t>(at));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return false;
      if (got == 0) break;
      const auto count = static_cast<std::size_t>(got);
      if (!StepAllowed(Step::kReplace) || WriteAll(target, at, piece.Data(), count) != count) return false;
      at += count;
    }
    return ftruncate(target, static_cast<off_t>(at)) == 0;
  }
};

// The temporary file goes beside the target (kCreate) or into the user's
// temporary folder (kCreateElsewhere).
template <typename Replacement>
std::unique_ptr<Target> Create(std::u16string_view path, Step step, Refusal* refusal) {
  Refusal why = Refusal::kNone;
  std::string target = utf8_path::FromUtf16(path);
  std::string temp;
  OldFile old;
  int fd = -1;
  if (InspectOldFile(target, old, why)) {
    const bool beside = step == Step::kCreate;
    const char* temporary_folder = std::getenv("TMPDIR");
    const std::string folder =
        beside ? FolderOf(target) : temporary_folder && *temporary_folder ? temporary_folder : "/tmp";
    if (StepAllowed(step)) {
      // In the shared temporary folder the text is for the user alone.
      fd = CreateTemporary(folder, NameOf(path), beside ? old : OldFile{false, 0600}, temp, why);
    } else {
      why = beside ? Refusal::kNoNewFile : Refusal::kFailed;
    }
  }
  if (refusal) *refusal = fd >= 0 ? Refusal::kNone : why;
  if (fd < 0) return nullptr;
  return std::make_unique<Replacement>(std::move(target), std::move(temp), fd);
}

}  // namespace

std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path, Refusal* refusal) {
  return Create<PosixReplacement>(path, Step::kCreate, refusal);
}

std::unique_ptr<Target> CreateCopyingReplacement(std::u16string_view path, Refusal* refusal) {
  return Create<PosixCopyingReplacement>(path, Step::kCreateElsewhere, refusal);
}

}  // namespace byte_file
