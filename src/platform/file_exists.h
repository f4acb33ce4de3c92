#pragma once
// Whether a file is there at all, so that a caller can tell a missing file
// from one that exists but cannot be opened (locked, access denied).
#include <string_view>

namespace byte_file {

// True for an existing file that is not a folder.
bool FileExists(std::u16string_view path);

}  // namespace byte_file
