#include <windows.h>
#include <aclapi.h>

#include <string>
#include <utility>

#include "platform/file_replace.h"
#include "platform/heap_block.h"
#include "platform/overlapped_io_win32.h"

namespace byte_file {
namespace {

static_assert(sizeof(wchar_t) == 2, "UTF-16 paths are passed to Windows as they are");

// What a fault injected by a test reports.
constexpr std::uint32_t kInjected = ERROR_DISK_FULL;
// The longest path the long form takes, and the longest name in a folder.
constexpr std::size_t kLongPathLimit = 32767;
constexpr std::size_t kNameLimit = 255;

// The attributes a new file can be given when it is created; read-only is
// refused before, and compression or encryption belong to the folder.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool Allowed(Step step) {
  if (StepAllowed(step)) return true;
  NoteFailure(kInjected);
  return false;
}

bool Fail() {
  NoteFailure(GetLastError());
  return false;
}

std::u16string_view Narrow(const std::wstring& text) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

std::size_t NameStart(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? 0 : slash + 1;
}

// The full path in the long form ("\\?\C:\..." or "\\?\UNC\server\..."),
// which passes the old limit of 260 units; the path as given when it
// cannot be made full.
std::wstring LongForm(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\", 0) == 0) return path;
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return full.size() >= 3 && full[1] == L':' ? L"\\\\?\\" + full : full;
}

// What the file to be replaced is: absent (a first save), or a file whose
// attributes and creation time the new one takes, reached through every
// symbolic link to its final name.
struct OldFile {
  bool exists = false;
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  FILETIME created = {};
  DWORD links = 1;
};

bool FinalName(HANDLE file, std::wstring& path) {
  wchar_t small[MAX_PATH];
  DWORD length = GetFinalPathNameByHandleW(file, small, MAX_PATH, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (length == 0) return false;
  if (length < MAX_PATH) {
    path.assign(small, length);
    return true;
  }
  std::wstring large(length, L'\0');
  length = GetFinalPathNameByHandleW(file, large.data(), length, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (length == 0 || length >= large.size()) return false;
  large.resize(length);
  path = std::move(large);
  return true;
}

bool InspectOldFile(std::wstring& path, OldFile& old, Refusal& refusal) {
  HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return true;
    refusal = Refusal::kFailed;
    NoteFailure(error);
    return false;
  }
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileInformationByHandle(file, &info) != 0 || Fail();
  std::wstring final_name;
  if (known && FinalName(file, final_name)) path = LongForm(final_name);
  CloseHandle(file);
  if (!known) {
    refusal = Refusal::kFailed;
    return false;
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    refusal = Refusal::kFailed;
    NoteFailure(ERROR_DIRECTORY);
    return false;
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
    refusal = Refusal::kReadOnly;
    NoteFailure(ERROR_ACCESS_DENIED);
    return false;
  }
  old.exists = true;
  old.attributes = info.dwFileAttributes & kKeptAttributes;
  if (old.attributes == 0) old.attributes = FILE_ATTRIBUTE_NORMAL;
  old.created = info.ftCreationTime;
  old.links = info.nNumberOfLinks;
  return true;
}

// Creates the first free temporary name for `name` in `folder` (which ends
// in a separator).
HANDLE CreateTemporary(const std::wstring& folder, std::u16string_view name, Holds holds, DWORD attributes,
                       std::wstring& temp, Refusal& refusal) {
  const bool long_form = folder.rfind(L"\\\\?\\", 0) == 0;
  const std::size_t room = NameRoom(folder.size(), long_form ? kLongPathLimit : MAX_PATH - 1, kNameLimit);
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    const std::u16string temporary_name = TemporaryName(name, attempt, holds, room);
    if (temporary_name.empty()) break;
    temp = folder + std::wstring(temporary_name.begin(), temporary_name.end());
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
    refusal = error == ERROR_ACCESS_DENIED || error == ERROR_FILENAME_EXCED_RANGE || error == ERROR_INVALID_NAME ||
                      error == ERROR_WRITE_PROTECT
                  ? Refusal::kNoNewFile
                  : Refusal::kFailed;
    NoteFailure(error);
    return INVALID_HANDLE_VALUE;
  }
  refusal = Refusal::kNoNewFile;
  NoteFailure(ERROR_FILENAME_EXCED_RANGE);
  return INVALID_HANDLE_VALUE;
}

// Copies all of `from` over the start of `to`, cuts `to` there and flushes
// it, each piece asked of the hook as `step`.
bool CopyWhole(HANDLE from, HANDLE to, Step step) {
  LARGE_INTEGER size;
  heap::Block piece;
  if (!GetFileSizeEx(from, &size)) return Fail();
  if (!piece.Allocate(1 << 20)) {
    NoteFailure(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  // A failed read must not pass for the end of the bytes.
  const auto end = static_cast<std::uint64_t>(size.QuadPart);
  for (std::uint64_t at = 0; at < end;) {
    const std::size_t got = overlapped_io::ReadAt(from, at, piece.Data(), piece.Size());
    if (got == 0) return Fail();
    if (!Allowed(step)) return false;
    if (overlapped_io::WriteAt(to, at, piece.Data(), got) != got) return Fail();
    at += got;
  }
  if (!Allowed(step)) return false;
  return (SetFilePointerEx(to, size, nullptr, FILE_BEGIN) && SetEndOfFile(to) && FlushFileBuffers(to)) || Fail();
}

// Gives the new file the old one's access list when the old one has rules
// of its own (or shuts out the folder's); a file that only inherits gets the
// same from the folder anyway.  Nothing is lost when this cannot be done:
// the new file then has the folder's rules, as a file saved anew would.
void CarryAccessRules(const std::wstring& from, const std::wstring& to) {
  PACL rules = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(from.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &rules,
                            nullptr, &descriptor) != ERROR_SUCCESS)
    return;
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  bool own = GetSecurityDescriptorControl(descriptor, &control, &revision) && (control & SE_DACL_PROTECTED);
  ACL_SIZE_INFORMATION size = {};
  if (rules && GetAclInformation(rules, &size, sizeof size, AclSizeInformation))
    for (DWORD i = 0; i < size.AceCount && !own; ++i) {
      ACE_HEADER* entry = nullptr;
      own = GetAce(rules, i, reinterpret_cast<void**>(&entry)) && !(entry->AceFlags & INHERITED_ACE);
    }
  if (own)
    SetNamedSecurityInfoW(const_cast<wchar_t*>(to.c_str()), SE_FILE_OBJECT,
                          DACL_SECURITY_INFORMATION | ((control & SE_DACL_PROTECTED)
                                                           ? PROTECTED_DACL_SECURITY_INFORMATION
                                                           : UNPROTECTED_DACL_SECURITY_INFORMATION),
                          nullptr, nullptr, rules, nullptr);
  LocalFree(descriptor);
}

// Copies each named stream of the old file (a download's zone mark, a tool's
// notes) onto the new one; false when one cannot be copied whole, so that
// the old file stays rather than lose it.  A volume without streams has none.
bool CarryStreams(const std::wstring& from, const std::wstring& to) {
  WIN32_FIND_STREAM_DATA stream;
  HANDLE find = FindFirstStreamW(from.c_str(), FindStreamInfoStandard, &stream, 0);
  if (find == INVALID_HANDLE_VALUE) return true;
  bool carried = true;
  do {
    // Named ":name:$DATA"; the main stream is "::$DATA".
    const std::wstring name = stream.cStreamName;
    const std::size_t type = name.rfind(L':');
    if (type == 0 || type == std::wstring::npos) continue;
    const std::wstring suffix = name.substr(0, type);
    HANDLE source = CreateFileW((from + suffix).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    HANDLE copy = source == INVALID_HANDLE_VALUE
                      ? INVALID_HANDLE_VALUE
                      : CreateFileW((to + suffix).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    0, nullptr);
    carried = copy != INVALID_HANDLE_VALUE ? CopyWhole(source, copy, Step::kWrite) : Fail();
    if (copy != INVALID_HANDLE_VALUE) CloseHandle(copy);
    if (source != INVALID_HANDLE_VALUE) CloseHandle(source);
  } while (carried && FindNextStreamW(find, &stream));
  FindClose(find);
  return carried;
}

// The rename way: a temporary file beside the target, removed when the
// target goes unless it took the old file's place.
class Win32Replacement final : public Target {
 public:
  Win32Replacement(std::wstring target, std::wstring temp, HANDLE file, const OldFile& old)
      : target_(std::move(target)), temp_(std::move(temp)), file_(file), old_(old) {}
  ~Win32Replacement() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!committed_) DeleteFileW(temp_.c_str());
  }

  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override {
    if (file_ == INVALID_HANDLE_VALUE || committed_ || !Allowed(Step::kWrite)) return 0;
    const std::size_t done = overlapped_io::WriteAt(file_, offset, bytes, count);
    if (done != count) Fail();
    return done;
  }

  bool Commit() override {
    if (file_ == INVALID_HANDLE_VALUE || committed_) return committed_;
    if (old_.exists) SetFileTime(file_, &old_.created, nullptr, nullptr);
    const bool flushed = Allowed(Step::kFlush) && (FlushFileBuffers(file_) || Fail());
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!flushed) return false;
    // The new file was created with the old one's attributes and given its
    // creation time; it also takes its streams and access rules, which is
    // what ReplaceFileW would carry over.  ReplaceFileW itself is not used
    // because some implementations (Wine's) move the old file aside first,
    // leaving a moment with no file at all, which a kill at exit turned into
    // lost settings.
    if (old_.exists && !CarryStreams(target_, temp_)) return false;
    if (old_.exists) CarryAccessRules(target_, temp_);
    if (!Allowed(Step::kReplace)) return false;
    // One rename within the folder: at every moment the target is either the
    // old file or the new one.
    if (!MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return Fail();
    committed_ = true;
    StepAllowed(Step::kReplaced);
    return true;
  }

 private:
  std::wstring target_;
  std::wstring temp_;
  HANDLE file_;
  OldFile old_;
  bool committed_ = false;
};

// In place: the target open for writing and a flushed copy of its old
// bytes; the copy goes once the new bytes are in or the old ones are back.
// The file keeps everything it is: attributes, access rules, streams, links.
class Win32InPlace final : public Target {
 public:
  Win32InPlace(HANDLE target, HANDLE copy, std::wstring copy_path)
      : target_(target), copy_(copy), copy_path_(std::move(copy_path)) {}
  ~Win32InPlace() override {
    if (!committed_ && touched_ && !restored_) Restore();
    CloseHandle(target_);
    CloseHandle(copy_);
    if (committed_ || restored_ || !touched_) DeleteFileW(copy_path_.c_str());
  }

  std::size_t WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) override {
    if (committed_ || !Allowed(Step::kWrite)) return 0;
    touched_ = true;
    const std::size_t done = overlapped_io::WriteAt(target_, offset, bytes, count);
    if (done != count) Fail();
    if (offset + done > end_) end_ = offset + done;
    return done;
  }

  bool Commit() override {
    if (committed_ || restored_) return committed_;
    touched_ = true;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(end_);
    if (Allowed(Step::kFlush) &&
        ((SetFilePointerEx(target_, end, nullptr, FILE_BEGIN) && SetEndOfFile(target_) && FlushFileBuffers(target_)) ||
         Fail())) {
      committed_ = true;
      StepAllowed(Step::kReplaced);
      return true;
    }
    Restore();
    return false;
  }

 private:
  void Restore() {
    restored_ = CopyWhole(copy_, target_, Step::kRestore);
    if (!restored_) NoteKeptCopy(Narrow(copy_path_));
  }

  HANDLE target_;
  HANDLE copy_;
  std::wstring copy_path_;
  std::uint64_t end_ = 0;
  bool touched_ = false;
  bool committed_ = false;
  bool restored_ = false;
};

std::wstring TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return {};
  return LongForm(std::wstring(folder, length));
}

// Opens the target and makes the flushed copy of its old bytes, beside it
// or in the temporary folder.
std::unique_ptr<Target> CreateInPlace(const std::wstring& target, Refusal& why) {
  HANDLE file = CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    why = Refusal::kFailed;
    Fail();
    return nullptr;
  }
  const std::size_t name_start = NameStart(target);
  const std::u16string_view name = Narrow(target).substr(name_start);
  std::wstring copy_path;
  HANDLE copy = INVALID_HANDLE_VALUE;
  if (Allowed(Step::kCreate))
    copy = CreateTemporary(target.substr(0, name_start), name, Holds::kOldFile, FILE_ATTRIBUTE_NORMAL, copy_path, why);
  const std::wstring elsewhere = copy == INVALID_HANDLE_VALUE ? TemporaryFolder() : std::wstring();
  if (copy == INVALID_HANDLE_VALUE && !elsewhere.empty() && Allowed(Step::kCreateElsewhere))
    copy = CreateTemporary(elsewhere, name, Holds::kOldFile, FILE_ATTRIBUTE_NORMAL, copy_path, why);
  if (copy == INVALID_HANDLE_VALUE || !CopyWhole(file, copy, Step::kCopyOld)) {
    if (copy != INVALID_HANDLE_VALUE) {
      CloseHandle(copy);
      DeleteFileW(copy_path.c_str());
    }
    CloseHandle(file);
    why = Refusal::kFailed;
    return nullptr;
  }
  return std::make_unique<Win32InPlace>(file, copy, std::move(copy_path));
}

}  // namespace

std::unique_ptr<Target> CreateFileReplacement(std::u16string_view path, Refusal* refusal, Ways ways) {
  ClearFailure();
  Refusal why = Refusal::kNone;
  std::wstring target = LongForm(std::wstring(path.begin(), path.end()));
  OldFile old;
  std::unique_ptr<Target> made;
  if (InspectOldFile(target, old, why)) {
    // Another name of the same file would keep the old bytes after a rename.
    if (old.links <= 1 || ways == Ways::kRenameOnly) {
      std::wstring temp;
      HANDLE file = INVALID_HANDLE_VALUE;
      if (Allowed(Step::kCreate)) {
        const std::size_t name_start = NameStart(target);
        file = CreateTemporary(target.substr(0, name_start), Narrow(target).substr(name_start), Holds::kNewText,
                               old.attributes, temp, why);
      } else {
        why = Refusal::kNoNewFile;
      }
      if (file != INVALID_HANDLE_VALUE) made = std::make_unique<Win32Replacement>(target, std::move(temp), file, old);
    }
    if (!made && ways == Ways::kRenameOrInPlace && old.exists && (old.links > 1 || why == Refusal::kNoNewFile))
      made = CreateInPlace(target, why);
  }
  if (refusal) *refusal = made ? Refusal::kNone : why;
  return made;
}

}  // namespace byte_file
