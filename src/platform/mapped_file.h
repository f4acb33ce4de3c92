#pragma once
// A file opened for reading and mapped read-only into memory as a whole.
// Owns the file, the mapping and the view; releases them when destroyed.
#include <cstdint>

class MappedFile {
 public:
  enum class OpenResult { kOpened, kMissing, kFailed };

  MappedFile() = default;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  // Opens an existing regular file for reading, others may read it too.
  // kMissing when nothing exists under the path; kFailed when something
  // exists but cannot be opened as a file.
  OpenResult Open(const char16_t* path);
  // Size in bytes and last-write time (100-nanosecond intervals since
  // 1601-01-01 UTC, the FILETIME value) of the opened file.
  std::uint64_t Size() const { return size_; }
  std::uint64_t LastWriteTime() const { return last_write_time_; }
  // Maps the whole opened file read-only; false for an empty file or when
  // the system refuses.
  bool Map();
  const std::uint8_t* Data() const { return data_; }
  // Tells the system that the mapped bytes from .. end will not be read
  // again, so that their whole pages need not stay resident.  Parts of the
  // file decoded side by side each release their own range.
  void DoneWith(const std::uint8_t* from, const std::uint8_t* end);

 private:
  void Close();

#ifdef _WIN32
  void* file_ = nullptr;
  void* mapping_ = nullptr;
#else
  int file_ = -1;
#endif
  const std::uint8_t* data_ = nullptr;
  std::uint64_t size_ = 0;
  std::uint64_t last_write_time_ = 0;
};
