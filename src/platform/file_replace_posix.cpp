#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "platform/file_replace.h"
#include "platform/utf8_path.h"

namespace byte_file {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a completed rename survive a power cut as well.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

class PosixReplacement : public Target {
 public:
  PosixReplacement(std::string target, std::string temp, int fd)
      : target_(std::move(target)), temp_(std::move(temp)), fd_(fd) {}
  ~PosixReplacement() override {
    if (fd_ >= 0) close(fd_);
    if (!committed_) unlink(temp_.c_str());
  }

  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override {
    if (fd_ < 0) return 0;
    std::size_t done = 0;
    while (done < count) {
      const ssize_t n =
          pwrite(fd_, static_cast<const char*>(bytes) + done, count - done, static_cast<off_t>(offset + done));
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  bool Commit() override {
    if (fd_ < 0 || committed_) return committed_;
    const bool flushed = fsync(fd_) == 0;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    if (!flushed || !closed || rename(temp_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    SyncFolder(FolderOf(target_));
    return true;
  }

 private:
  std::string target_;
  std::string temp_;
  int fd_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path) {
  std::string target = utf8_path::FromUtf16(path);
  std::string temp = target + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return nullptr;
  return std::make_unique<PosixReplacement>(std::move(target), std::move(temp), fd);
}

}  // namespace byte_file
