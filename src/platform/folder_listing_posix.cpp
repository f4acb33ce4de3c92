#include <dirent.h>
#include <sys/stat.h>

#include <string>

#include "platform/folder_listing.h"
#include "platform/utf8_path.h"

namespace {

class PosixFolderListing : public FolderListing {
 public:
  bool List(std::u16string_view folder, const std::function<bool(const ListedEntry&)>& each) const override {
    const std::string path = utf8_path::FromUtf16(folder);
    DIR* directory = opendir(path.c_str());
    if (!directory) return false;
    std::u16string name;
    while (const dirent* found = readdir(directory)) {
      const std::string_view bytes = found->d_name;
      if (bytes == "." || bytes == "..") continue;
      bool folder_entry = found->d_type == DT_DIR;
      if (found->d_type == DT_UNKNOWN) {
        struct stat status = {};
        const std::string full = path + "/" + found->d_name;
        folder_entry = stat(full.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
      }
      utf8_path::ToUtf16(bytes, name);
      if (!each({name, {}, folder_entry})) break;
    }
    closedir(directory);
    return true;
  }
};

}  // namespace

const FolderListing& HostFolderListing() {
  static const PosixFolderListing listing;
  return listing;
}
