#include "platform/save_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/utf8_path.h"

namespace save_files {
namespace {

constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600ull;

std::string Native(const char16_t* name) { return utf8_path::FromUtf16(name); }

bool WriteAll(int file, const void* bytes, std::size_t count) {
  const auto* at = static_cast<const char*>(bytes);
  while (count > 0) {
    const ssize_t written = write(file, at, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    at += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

class PosixOutputFile final : public OutputFile {
 public:
  explicit PosixOutputFile(int file) : file_(file) {}
  ~PosixOutputFile() override {
    if (file_ >= 0) close(file_);
  }

 private:
  bool WriteThrough(const void* bytes, std::size_t count) override { return WriteAll(file_, bytes, count); }
  bool CloseFile() override {
    const bool closed = close(file_) == 0;
    file_ = -1;
    return closed;
  }

  int file_;
};

}  // namespace

bool MakeTemporaryFile(WideString& name) {
  const char* folder = std::getenv("TMPDIR");
  std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/tmpXXXXXX";
  const int file = mkstemp(pattern.data());
  if (file < 0) return false;
  close(file);
  std::u16string wide(pattern.begin(), pattern.end());  // the folder is taken to be ASCII
  if (name.Assign(wide)) return true;
  unlink(pattern.c_str());
  return false;
}

std::unique_ptr<OutputFile> OpenForWriting(const char16_t* name) {
  const int file = open(Native(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (file < 0) return nullptr;
  return std::make_unique<PosixOutputFile>(file);
}

bool CopyOver(const char16_t* from, const char16_t* target) {
  const int source = open(Native(from).c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) return false;
  const int destination = open(Native(target).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  bool copied = destination >= 0;
  char buffer[64 * 1024];
  while (copied) {
    const ssize_t got = read(source, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      copied = got == 0;
      break;
    }
    copied = WriteAll(destination, buffer, static_cast<std::size_t>(got));
  }
  close(source);
  if (destination >= 0 && close(destination) != 0) copied = false;
  return copied;
}

bool DeleteNamed(const char16_t* name) { return unlink(Native(name).c_str()) == 0; }

std::uint64_t LastWriteTime(const char16_t* path) {
  struct stat status;
  if (stat(Native(path).c_str(), &status) != 0) return 0;
  return (static_cast<std::uint64_t>(status.st_mtim.tv_sec) + kSecondsFrom1601To1970) * 10000000ull +
         static_cast<std::uint64_t>(status.st_mtim.tv_nsec) / 100;
}

}  // namespace save_files
