#include "platform/heap.h"

#include <windows.h>

namespace heap {
namespace {
HANDLE private_heap = nullptr;

HANDLE HandleOf(Kind kind) {
  if (kind == Kind::Private && private_heap) return private_heap;
  return GetProcessHeap();
}
}  // namespace

bool CreatePrivate() {
  if (!private_heap) private_heap = HeapCreate(0, 16 * 1024, 0);
  return private_heap != nullptr;
}

void DestroyPrivate() {
  if (private_heap) HeapDestroy(private_heap);
  private_heap = nullptr;
}

void* Allocate(Kind kind, std::size_t bytes) { return HeapAlloc(HandleOf(kind), HEAP_ZERO_MEMORY, bytes); }

void* Reallocate(Kind kind, void* block, std::size_t, std::size_t bytes) {
  if (!block) return Allocate(kind, bytes);
  return HeapReAlloc(HandleOf(kind), HEAP_ZERO_MEMORY, block, bytes);
}

void Free(Kind kind, void* block) {
  if (block) HeapFree(HandleOf(kind), 0, block);
}

}  // namespace heap
