#include "platform/address_space.h"

#include <windows.h>

namespace address_space {

void* Reserve(std::size_t bytes) { return VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS); }

bool Commit(void* address, std::size_t bytes) {
  return VirtualAlloc(address, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

void Decommit(void* address, std::size_t bytes) { VirtualFree(address, bytes, MEM_DECOMMIT); }

}  // namespace address_space
