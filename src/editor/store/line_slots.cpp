#include "editor/store/line_slots.h"

#include <mutex>

#include "platform/address_space.h"

namespace line_slots {

unsigned char* space = nullptr;

namespace {

constexpr std::size_t kChunkBytes = std::size_t{kChunkSlots} * kSlotBytes;
static_assert(kChunkBytes % (64 * 1024) == 0, "chunks start on page and reservation boundaries");
// 2^30 slots: 20 GiB of address space, which costs nothing until committed.
// A system that refuses so much gets less.
constexpr std::uint32_t kMostChunks = 64 * 1024;
constexpr std::uint32_t kFewestChunks = 16;

std::mutex guard;
std::uint32_t reserved_chunks = 0;
std::uint32_t never_taken = 1;  // chunk 0 holds slot 0
std::uint32_t free_chunks = 0;  // chained through links
std::uint32_t links[kMostChunks];

bool ReserveSpace() {
  for (std::uint32_t chunks = kMostChunks; chunks >= kFewestChunks; chunks /= 2) {
    if (void* reserved = address_space::Reserve(chunks * kChunkBytes)) {
      space = static_cast<unsigned char*>(reserved);
      reserved_chunks = chunks;
      return true;
    }
  }
  return false;
}

}  // namespace

std::uint32_t AcquireChunk() {
  std::lock_guard<std::mutex> lock(guard);
  if (!space && !ReserveSpace()) return 0;
  const bool reused = free_chunks != 0;
  const std::uint32_t chunk = reused ? free_chunks : never_taken;
  if (chunk >= reserved_chunks || !address_space::Commit(space + chunk * kChunkBytes, kChunkBytes)) return 0;
  if (reused) {
    free_chunks = links[chunk];
  } else {
    ++never_taken;
  }
  links[chunk] = 0;
  return chunk;
}

void ReleaseChunk(std::uint32_t chunk) {
  std::lock_guard<std::mutex> lock(guard);
  address_space::Decommit(space + chunk * kChunkBytes, kChunkBytes);
  links[chunk] = free_chunks;
  free_chunks = chunk;
}

std::uint32_t& ChunkLink(std::uint32_t chunk) { return links[chunk]; }

}  // namespace line_slots
