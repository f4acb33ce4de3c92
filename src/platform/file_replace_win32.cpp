#include <windows.h>

#include <string>
#include <utility>

#include "platform/file_replace.h"
#include "platform/overlapped_io.h"

namespace byte_file {
namespace {

static_assert(sizeof(wchar_t) == 2, "UTF-16 paths are passed to Windows as they are");

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L".";
  return path.substr(0, slash + 1);
}

class Win32Replacement : public Target {
 public:
  Win32Replacement(std::wstring target, std::wstring temp, HANDLE file)
      : target_(std::move(target)), temp_(std::move(temp)), file_(file) {}
  ~Win32Replacement() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!committed_) DeleteFileW(temp_.c_str());
  }

  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override {
    if (file_ == INVALID_HANDLE_VALUE) return 0;
    return overlapped_io::WriteAt(file_, offset, bytes, count);
  }

  bool Commit() override {
    if (file_ == INVALID_HANDLE_VALUE || committed_) return committed_;
    const bool flushed = FlushFileBuffers(file_) != 0;
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!flushed) return false;
    // One rename within the folder: at every moment the target is either the
    // old file or the new one. ReplaceFileW is not used because some
    // implementations move the old file aside first, leaving a moment with
    // no file at all, which a kill at exit turned into lost settings.
    committed_ = MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return committed_;
  }

 private:
  std::wstring target_;
  std::wstring temp_;
  HANDLE file_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path) {
  std::wstring target(path.begin(), path.end());
  wchar_t temp[MAX_PATH];
  // Same folder as the target, so that the final rename never crosses volumes.
  if (!GetTempFileNameW(FolderOf(target).c_str(), L"vnd", 0, temp)) return nullptr;
  HANDLE file = CreateFileW(temp, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DeleteFileW(temp);
    return nullptr;
  }
  return std::make_unique<Win32Replacement>(std::move(target), temp, file);
}

}  // namespace byte_file
