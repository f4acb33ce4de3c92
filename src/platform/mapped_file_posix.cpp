#include "platform/mapped_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Paths are UTF-16 in the program; the native file system takes UTF-8.
std::string Utf8Path(const char16_t* path) {
  std::string result;
  for (const char16_t* at = path; *at; ++at) {
    char32_t code = *at;
    if (code >= 0xD800 && code <= 0xDBFF && at[1] >= 0xDC00 && at[1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (*++at - 0xDC00);
    }
    if (code < 0x80) {
      result += static_cast<char>(code);
    } else if (code < 0x800) {
      result += static_cast<char>(0xC0 | (code >> 6));
      result += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      result += static_cast<char>(0xE0 | (code >> 12));
      result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      result += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      result += static_cast<char>(0xF0 | (code >> 18));
      result += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      result += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return result;
}

constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600ull;

}  // namespace

MappedFile::~MappedFile() { Close(); }

void MappedFile::Close() {
  if (data_) munmap(const_cast<std::uint8_t*>(data_), size_);
  if (file_ >= 0) close(file_);
  data_ = nullptr;
  released_ = nullptr;
  file_ = -1;
  size_ = 0;
  last_write_time_ = 0;
}

MappedFile::OpenResult MappedFile::Open(const char16_t* path) {
  Close();
  int file = open(Utf8Path(path).c_str(), O_RDONLY | O_CLOEXEC);
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
  released_ = data_;
  return true;
}

void MappedFile::DoneWith(const std::uint8_t* end) {
  if (!data_ || end <= released_) return;
  const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  auto* from = reinterpret_cast<std::uint8_t*>(reinterpret_cast<std::uintptr_t>(released_) & ~(page - 1));
  auto* to = reinterpret_cast<std::uint8_t*>(reinterpret_cast<std::uintptr_t>(end) & ~(page - 1));
  if (to <= from) return;
  // Pages of a read-only file mapping come back from the file if touched.
  if (madvise(from, static_cast<std::size_t>(to - from), MADV_DONTNEED) == 0) released_ = to;
}
