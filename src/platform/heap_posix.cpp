#include "platform/heap.h"

#include <cstdlib>
#include <cstring>

namespace heap {

bool CreatePrivate() { return true; }
void DestroyPrivate() {}

void* Allocate(Kind, std::size_t bytes) { return std::calloc(bytes ? bytes : 1, 1); }

void* Reallocate(Kind, void* block, std::size_t old_bytes, std::size_t bytes) {
  void* grown = std::realloc(block, bytes ? bytes : 1);
  if (grown && bytes > old_bytes) std::memset(static_cast<char*>(grown) + old_bytes, 0, bytes - old_bytes);
  return grown;
}

void Free(Kind, void* block) { std::free(block); }

}  // namespace heap
