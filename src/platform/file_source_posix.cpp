#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_source.h"
#include "platform/utf8_path.h"

namespace byte_file {
namespace {

class PosixSource : public Source {
 public:
  explicit PosixSource(int fd) : fd_(fd) {}
  ~PosixSource() override { close(fd_); }

  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
    std::size_t done = 0;
    while (done < count) {
      const ssize_t n = pread(fd_, static_cast<char*>(buffer) + done, count - done, static_cast<off_t>(offset + done));
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  bool Size(std::uint64_t* size) override {
    struct stat info;
    if (fstat(fd_, &info) != 0) return false;
    *size = static_cast<std::uint64_t>(info.st_size);
    return true;
  }

 private:
  int fd_;
};

constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600ull;

}  // namespace

std::unique_ptr<Source> OpenFileSource(std::u16string_view path, Sharing) {
  const int fd = open(utf8_path::FromUtf16(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return nullptr;
  }
  return std::make_unique<PosixSource>(fd);
}

std::uint64_t LastWriteTime(std::u16string_view path) { return StampOf(path).time; }

FileStamp StampOf(std::u16string_view path) {
  struct stat status;
  if (stat(utf8_path::FromUtf16(path).c_str(), &status) != 0) return {};
  return {(static_cast<std::uint64_t>(status.st_mtim.tv_sec) + kSecondsFrom1601To1970) * 10000000ull +
              static_cast<std::uint64_t>(status.st_mtim.tv_nsec) / 100,
          static_cast<std::uint64_t>(status.st_size)};
}

}  // namespace byte_file
