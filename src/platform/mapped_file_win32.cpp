#include "platform/mapped_file.h"

#include <windows.h>

static_assert(sizeof(wchar_t) == 2, "UTF-16 units are passed to Win32 as wchar_t");

MappedFile::~MappedFile() { Close(); }

void MappedFile::Close() {
  if (data_) UnmapViewOfFile(data_);
  if (mapping_) CloseHandle(mapping_);
  if (file_) CloseHandle(file_);
  data_ = nullptr;
  mapping_ = nullptr;
  file_ = nullptr;
  size_ = 0;
  last_write_time_ = 0;
}

MappedFile::OpenResult MappedFile::Open(const char16_t* path) {
  Close();
  HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(path), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? OpenResult::kMissing
                                                                           : OpenResult::kFailed;
  }
  LARGE_INTEGER size;
  FILETIME written;
  if (!GetFileSizeEx(file, &size) || !GetFileTime(file, nullptr, nullptr, &written)) {
    CloseHandle(file);
    return OpenResult::kFailed;
  }
  file_ = file;
  size_ = static_cast<std::uint64_t>(size.QuadPart);
  last_write_time_ = (static_cast<std::uint64_t>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
  return OpenResult::kOpened;
}

bool MappedFile::Map() {
  if (!file_ || size_ == 0 || data_) return data_ != nullptr;
  mapping_ = CreateFileMappingW(file_, nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (!mapping_) return false;
  data_ = static_cast<const std::uint8_t*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0));
  return data_ != nullptr;
}

// The system trims a read-only view's pages under memory pressure by itself.
void MappedFile::DoneWith(const std::uint8_t*, const std::uint8_t*) {}
