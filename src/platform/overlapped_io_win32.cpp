#include "platform/overlapped_io_win32.h"

#include <algorithm>

namespace overlapped_io {
namespace {

// transfer(done, chunk, &moved, &at) moves chunk bytes at done bytes past offset.
template <typename Transfer>
std::size_t InChunks(std::uint64_t offset, std::size_t count, Transfer transfer) {
  std::size_t done = 0;
  while (done < count) {
    OVERLAPPED at = {};
    const std::uint64_t position = offset + done;
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
    DWORD moved = 0;
    if (!transfer(done, chunk, &moved, &at) || moved == 0) break;
    done += moved;
  }
  return done;
}

}  // namespace

std::size_t ReadAt(HANDLE file, std::uint64_t offset, void* buffer, std::size_t count) {
  return InChunks(offset, count, [&](std::size_t done, DWORD chunk, DWORD* moved, OVERLAPPED* at) {
    return ReadFile(file, static_cast<char*>(buffer) + done, chunk, moved, at) != 0;
  });
}

std::size_t WriteAt(HANDLE file, std::uint64_t offset, const void* bytes, std::size_t count) {
  return InChunks(offset, count, [&](std::size_t done, DWORD chunk, DWORD* moved, OVERLAPPED* at) {
    return WriteFile(file, static_cast<const char*>(bytes) + done, chunk, moved, at) != 0;
  });
}

}  // namespace overlapped_io
