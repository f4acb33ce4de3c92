#pragma once
// Random-access reading of an existing file, behind an interface so that
// the byte formats built on it can be tested on buffers; and a file's
// last-write time.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace byte_file {

class Source {
 public:
  virtual ~Source() = default;
  // Copies up to `count` bytes from `offset`; returns how many came (fewer
  // at the end of the file or on a read error, never more).
  virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) = 0;
  // The file's size in bytes; false when it cannot be had.
  virtual bool Size(std::uint64_t* size) = 0;
};

// Who else may use the file while it is open for reading.
enum class Sharing {
  kReaders,            // nobody writes to it meanwhile
  kReadersAndWriters,  // a file another program is writing is read as it stands
};

// Opens `path` for reading; null when it cannot be opened.
std::unique_ptr<Source> OpenFileSource(std::u16string_view path, Sharing sharing = Sharing::kReaders);

// As a FILETIME value (100-nanosecond steps since 1601); 0 when the file is
// not there.
std::uint64_t LastWriteTime(std::u16string_view path);

// The last-write time and size by which a change made by another program
// is noticed; both 0 when the file is not there.
struct FileStamp {
  std::uint64_t time = 0;
  std::uint64_t size = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(std::u16string_view path);

}  // namespace byte_file
