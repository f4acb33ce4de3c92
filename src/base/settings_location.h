#pragma once
// Where the settings file lives: beside the program when a file of the
// settings name is there, otherwise in the user's application-data folder.
// The file-system questions go through FolderQueries so that the decision
// can be tested without touching the disk.
#include <string_view>

#include "platform/wide_string.h"

namespace settings_location {

// Every path handed in is NUL-terminated.
class FolderQueries {
 public:
  virtual ~FolderQueries() = default;
  virtual bool SetCurrentFolder(const char16_t* folder) = 0;
  virtual bool FileExists(const char16_t* path) = 0;
  virtual bool IsFolder(const char16_t* path) = 0;
  virtual bool CreateFolder(const char16_t* path) = 0;
  // The per-user application-data folder; false when the system has none.
  virtual bool AppDataFolder(WideString& folder) = 0;
};

// The real file system (Windows build only).
FolderQueries& SystemFolderQueries();

// The program file's name without folder and extension must be this, in
// any letter case; a renamed copy refuses to start.
inline constexpr std::u16string_view kProgramName = u"Vorndel";

// True when the base name of the program path is kProgramName.
bool IsProgramPath(std::u16string_view program_path);

// The folder part of a path: everything before its last "\" (empty when
// there is none).
std::u16string_view FolderOf(std::u16string_view path);

// Resolves the settings file for the program at program_path and makes the
// program's folder the current folder.  Fails for a renamed program, a
// missing application-data folder or one that cannot be created; the
// output is written only on success.
bool Resolve(std::u16string_view program_path, FolderQueries& queries, WideString& settings_path);

}  // namespace settings_location
