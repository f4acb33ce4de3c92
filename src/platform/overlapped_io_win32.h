#pragma once
// Positioned reads and writes on a Windows file handle (Windows build only).
// Both go in chunks a single call can take and stop at the first failed or
// empty transfer, returning the number of bytes done.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace overlapped_io {

std::size_t ReadAt(HANDLE file, std::uint64_t offset, void* buffer, std::size_t count);
std::size_t WriteAt(HANDLE file, std::uint64_t offset, const void* bytes, std::size_t count);

}  // namespace overlapped_io
