#include <windows.h>

#include <string>

#include "platform/file_exists.h"

namespace byte_file {

static_assert(sizeof(wchar_t) == 2, "UTF-16 paths are passed to Windows as they are");

bool FileExists(std::u16string_view path) {
  const std::wstring name(path.begin(), path.end());
  const DWORD attributes = GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace byte_file
