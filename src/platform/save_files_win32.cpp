#include "platform/save_files.h"

#include <windows.h>

namespace save_files {
namespace {

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

class Win32OutputFile final : public OutputFile {
 public:
  explicit Win32OutputFile(HANDLE file) : file_(file) {}
  ~Win32OutputFile() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }

 private:
  bool WriteThrough(const void* bytes, std::size_t count) override {
    DWORD written = 0;
    return WriteFile(file_, bytes, static_cast<DWORD>(count), &written, nullptr) && written == count;
  }
  bool CloseFile() override {
    const bool closed = CloseHandle(file_) != FALSE;
    file_ = INVALID_HANDLE_VALUE;
    return closed;
  }

  HANDLE file_;
};

}  // namespace

bool MakeTemporaryFile(WideString& name) {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  if (length == 0 || length > MAX_PATH) return false;
  wchar_t file[MAX_PATH];
  if (GetTempFileNameW(folder, L"tmp", 0, file) == 0) return false;
  return name.Assign(reinterpret_cast<const char16_t*>(file));
}

std::unique_ptr<OutputFile> OpenForWriting(const char16_t* name) {
  HANDLE file = CreateFileW(Wide(name), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OutputFile>(file);
}

bool CopyOver(const char16_t* from, const char16_t* target) {
  return CopyFileW(Wide(from), Wide(target), FALSE) != FALSE;
}

bool DeleteNamed(const char16_t* name) { return DeleteFileW(Wide(name)) != FALSE; }

std::uint64_t LastWriteTime(const char16_t* path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace save_files
