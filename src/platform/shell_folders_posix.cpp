#include <sys/stat.h>

#include "platform/shell_folders.h"
#include "platform/utf8_path.h"

namespace {

bool Stat(std::u16string_view path, struct stat& info) {
  return !path.empty() && stat(utf8_path::FromUtf16(path).c_str(), &info) == 0;
}

class PosixShellFolders : public ShellFolders {
 public:
  bool PicturesFolder(WideString& out) const override { return Nothing(out); }
  bool DocumentsFolder(WideString& out) const override { return Nothing(out); }
  bool ProgramFilesFolder(WideString& out) const override { return Nothing(out); }
  bool IsFolder(std::u16string_view path) const override {
    struct stat info;
    return Stat(path, info) && S_ISDIR(info.st_mode);
  }
  bool FileExists(std::u16string_view path) const override {
    struct stat info;
    return Stat(path, info);
  }

 private:
  static bool Nothing(WideString& out) {
    out.Clear();
    return false;
  }
};

}  // namespace

const ShellFolders& HostShellFolders() {
  static const PosixShellFolders shell;
  return shell;
}
