#include <windows.h>

#include <string>
#include <utility>

#include "platform/file_replace.h"
#include "platform/heap_block.h"
#include "platform/overlapped_io_win32.h"

namespace byte_file {
namespace {

static_assert(sizeof(wchar_t) == 2, "UTF-16 paths are passed to Windows as they are");

// The attributes a new file can be given when it is created; read-only is
// refused before, and compression or encryption belong to the folder.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::size_t NameStart(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? 0 : slash + 1;
}

// What the file to be replaced is: absent (a first save), or a file whose
// attributes and creation time the new one takes.
struct OldFile {
  bool exists = false;
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  FILETIME created = {};
};

bool InspectOldFile(const std::wstring& path, OldFile& old, Refusal& refusal) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return true;
    refusal = Refusal::kFailed;
    return false;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    refusal = Refusal::kFailed;
    return false;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
    refusal = Refusal::kReadOnly;
    return false;
  }
  old.exists = true;
  old.attributes = data.dwFileAttributes & kKeptAttributes;
  if (old.attributes == 0) old.attributes = FILE_ATTRIBUTE_NORMAL;
  old.created = data.ftCreationTime;
  return true;
}

// Creates the first free temporary name for `name` in `folder` (which ends
// in a separator, or is empty for the current folder).
HANDLE CreateTemporary(const std::wstring& folder, std::u16string_view name, DWORD attributes, std::wstring& temp,
                       Refusal& refusal) {
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    const std::u16string temporary_name = TemporaryName(name, attempt);
    temp = folder + std::wstring(temporary_name.begin(), temporary_name.end());
    if (temp.size() >= MAX_PATH) {
      refusal = Refusal::kNoNewFile;
      return INVALID_HANDLE_VALUE;
    }
    HANDLE file =
        CreateFileW(temp.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
    refusal = error == ERROR_ACCESS_DENIED || error == ERROR_FILENAME_EXCED_RANGE || error == ERROR_INVALID_NAME
                  ? Refusal::kNoNewFile
                  : Refusal::kFailed;
    return INVALID_HANDLE_VALUE;
  }
  refusal = Refusal::kFailed;
  return INVALID_HANDLE_VALUE;
}

// A temporary file being written; removed when the target goes unless it
// took the old file's place.
class Win32Temporary : public Target {
 public:
  Win32Temporary(std::wstring target, std::wstring temp, HANDLE file, const OldFile& old)
      : target_(std::move(target)), temp_(std::move(temp)), file_(file), old_(old) {}
  ~Win32Temporary() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!renamed_) DeleteFileW(temp_.c_str());
  }

  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override {
    if (file_ == INVALID_HANDLE_VALUE || committed_ || !StepAllowed(Step::kWrite)) return 0;
    return overlapped_io::WriteAt(file_, offset, bytes, count);
  }

 protected:
  std::wstring target_;
  std::wstring temp_;
  HANDLE file_;
  OldFile old_;
  bool committed_ = false;
  bool renamed_ = false;
};

class Win32Replacement final : public Win32Temporary {
 public:
  using Win32Temporary::Win32Temporary;

  bool Commit() override {
    if (file_ == INVALID_HANDLE_VALUE || committed_) return committed_;
    if (old_.exists) SetFileTime(file_, &old_.created, nullptr, nullptr);
    const bool flushed = StepAllowed(Step::kFlush) && FlushFileBuffers(file_) != 0;
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!flushed || !StepAllowed(Step::kReplace)) return false;
    // One rename within the folder: at every moment the target is either the
    // old file or the new one.  The new file was created with the old one's
    // attributes and given its creation time, the part of what ReplaceFileW
    // keeps that matters for a document (its own access rules and alternate
    // streams are not carried over; the folder's apply).  ReplaceFileW
    // itself is not used because some implementations (Wine's) move the old
    // file aside first, leaving a moment with no file at all, which a kill
    // at exit turned into lost settings.
    if (!MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return false;
    committed_ = renamed_ = true;
    StepAllowed(Step::kReplaced);
    return true;
  }
};

class Win32CopyingReplacement final : public Win32Temporary {
 public:
  using Win32Temporary::Win32Temporary;

  bool Commit() override {
    if (file_ == INVALID_HANDLE_VALUE || committed_) return committed_;
    // Opening the file keeps what it is (attributes, creation time, links);
    // CopyFileW would refuse a hidden file.
    HANDLE target = CreateFileW(target_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target == INVALID_HANDLE_VALUE) return false;
    // Over the old bytes in place, then cut: the file never passes through
    // empty.
    const bool copied = CopyInto(target);
    const bool flushed = copied && StepAllowed(Step::kFlush) && FlushFileBuffers(target) != 0;
    const bool closed = CloseHandle(target) != 0;
    committed_ = copied && flushed && closed;
    if (committed_) StepAllowed(Step::kReplaced);
    return committed_;
  }

 private:
  bool CopyInto(HANDLE target) {
    LARGE_INTEGER size;
    heap::Block piece;
    if (!GetFileSizeEx(file_, &size) || !piece.Allocate(1 << 20)) return false;
    // A failed read must not pass for the end of the new bytes.
    const auto end = static_cast<std::uint64_t>(size.QuadPart);
    for (std::uint64_t at = 0; at < end;) {
      const std::size_t got = overlapped_io::ReadAt(file_, at, piece.Data(), piece.Size());
      if (got == 0 || !StepAllowed(Step::kReplace) || overlapped_io::WriteAt(target, at, piece.Data(), got) != got)
        return false;
      at += got;
    }
    return SetFilePointerEx(target, size, nullptr, FILE_BEGIN) && SetEndOfFile(target);
  }
};

std::wstring TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return {};
  return std::wstring(folder, length);
}

// The temporary file goes beside the target (kCreate) or into the user's
// temporary folder (kCreateElsewhere).
template <typename Replacement>
std::unique_ptr<Target> Create(std::u16string_view path, Step step, Refusal* refusal) {
  Refusal why = Refusal::kNone;
  std::wstring target(path.begin(), path.end());
  std::wstring temp;
  OldFile old;
  HANDLE file = INVALID_HANDLE_VALUE;
  if (InspectOldFile(target, old, why)) {
    const bool beside = step == Step::kCreate;
    const std::size_t name_start = NameStart(target);
    const std::wstring folder = beside ? target.substr(0, name_start) : TemporaryFolder();
    if (!beside && folder.empty()) {
      why = Refusal::kFailed;
    } else if (StepAllowed(step)) {
      file = CreateTemporary(folder, path.substr(name_start), beside ? old.attributes : FILE_ATTRIBUTE_NORMAL, temp,
                             why);
    } else {
      why = beside ? Refusal::kNoNewFile : Refusal::kFailed;
    }
  }
  if (refusal) *refusal = file != INVALID_HANDLE_VALUE ? Refusal::kNone : why;
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Replacement>(std::move(target), std::move(temp), file, old);
}

}  // namespace

std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path, Refusal* refusal) {
  return Create<Win32Replacement>(path, Step::kCreate, refusal);
}

std::unique_ptr<Target> CreateCopyingReplacement(std::u16string_view path, Refusal* refusal) {
  return Create<Win32CopyingReplacement>(path, Step::kCreateElsewhere, refusal);
}

}  // namespace byte_file
