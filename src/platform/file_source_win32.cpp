#include <windows.h>

#include <string>

#include "platform/file_source.h"
#include "platform/overlapped_io_win32.h"

namespace byte_file {
namespace {

static_assert(sizeof(wchar_t) == 2, "UTF-16 paths are passed to Windows as they are");

class Win32Source : public Source {
 public:
  explicit Win32Source(HANDLE file) : file_(file) {}
  ~Win32Source() override { CloseHandle(file_); }

  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
    return overlapped_io::ReadAt(file_, offset, buffer, count);
  }

  bool Size(std::uint64_t* size) override {
    LARGE_INTEGER value;
    if (!GetFileSizeEx(file_, &value) || value.QuadPart < 0) return false;
    *size = static_cast<std::uint64_t>(value.QuadPart);
    return true;
  }

 private:
  HANDLE file_;
};

}  // namespace

std::unique_ptr<Source> OpenFileSource(std::u16string_view path, Sharing sharing) {
  const std::wstring name(path.begin(), path.end());
  const DWORD share = sharing == Sharing::kReaders ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32Source>(file);
}

std::uint64_t LastWriteTime(std::u16string_view path) { return StampOf(path).time; }

FileStamp StampOf(std::u16string_view path) {
  const std::wstring name(path.begin(), path.end());
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) return {};
  return {(static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime,
          (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

}  // namespace byte_file
