#include "platform/mapped_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/utf8_path.h"

namespace {

constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600ull;

}  // namespace

MappedFile::~MappedFile() { Close(); }

void MappedFile::Close() {
  if (data_) munmap(const_cast<std::uint8_t*>(data_), size_);
  if (file_ >= 0) close(file_);
  data_ = nullptr;
  file_ = -1;
  size_ = 0;
  last_write_time_ = 0;
}

MappedFile::OpenResult MappedFile::Open(const char16_t* path) {
  Close();
  int file = open(utf8_path::FromUtf16(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return errno == ENOENT || errno == ENOTDIR ? OpenResult::kMissing : OpenResult::kFailed;
  struct stat status;
  if (fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(file);
    return OpenResult::kFailed;
  }
  file_ = file;
  size_ = static_cast<std::uint64_t>(status.st_size);
  last_write_time_ = (static_cast<std::uint64_t>(status.st_mtim.tv_sec) + kSecondsFrom1601To1970) * 10000000ull +
                     static_cast<std::uint64_t>(status.st_mtim.tv_nsec) / 100;
  return OpenResult::kOpened;
}

bool MappedFile::Map() {
  if (file_ < 0 || size_ == 0 || data_) return data_ != nullptr;
  void* view = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, file_, 0);
  if (view == MAP_FAILED) return false;
  data_ = static_cast<const std::uint8_t*>(view);
  return true;
}

void MappedFile::DoneWith(const std::uint8_t* from, const std::uint8_t* end) {
  if (!data_ || !from || end <= from) return;
  // The page holding `from` goes too: the range before it was released up
  // to that page's start.  A part read side by side may still need it, and
  // then it simply comes back from the file.
  const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  auto* first = reinterpret_cast<std::uint8_t*>(reinterpret_cast<std::uintptr_t>(from) & ~(page - 1));
  auto* last = reinterpret_cast<std::uint8_t*>(reinterpret_cast<std::uintptr_t>(end) & ~(page - 1));
  if (last <= first) return;
  // Pages of a read-only file mapping come back from the file if touched.
  madvise(first, static_cast<std::size_t>(last - first), MADV_DONTNEED);
}
