#include "platform/address_space.h"

#include <sys/mman.h>

namespace address_space {

void* Reserve(std::size_t bytes) {
  void* space = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  return space == MAP_FAILED ? nullptr : space;
}

bool Commit(void* address, std::size_t bytes) { return mprotect(address, bytes, PROT_READ | PROT_WRITE) == 0; }

void Decommit(void* address, std::size_t bytes) {
  // Private anonymous pages dropped read as zero when next committed.
  madvise(address, bytes, MADV_DONTNEED);
  mprotect(address, bytes, PROT_NONE);
}

}  // namespace address_space
