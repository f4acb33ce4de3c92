#pragma once
// The few shell questions the first-run settings ask: special folders and
// whether a path names a folder or an existing file.
#include <string_view>

#include "platform/wide_string.h"

class ShellFolders {
 public:
  virtual ~ShellFolders() = default;
  // Each fills `out` and returns true, or returns false leaving `out` empty.
  virtual bool PicturesFolder(WideString& out) const = 0;
  virtual bool DocumentsFolder(WideString& out) const = 0;
  virtual bool ProgramFilesFolder(WideString& out) const = 0;
  virtual bool IsFolder(std::u16string_view path) const = 0;
  virtual bool FileExists(std::u16string_view path) const = 0;
};

// The running system's answers (the native build knows no special folders).
const ShellFolders& HostShellFolders();
