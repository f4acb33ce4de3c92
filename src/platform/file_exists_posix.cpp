#include <sys/stat.h>

#include "platform/file_exists.h"
#include "platform/utf8_path.h"

namespace byte_file {

bool FileExists(std::u16string_view path) {
  struct stat info;
  return stat(utf8_path::FromUtf16(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace byte_file
