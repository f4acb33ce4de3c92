#pragma once
// Every line record of the process sits in one reserved stretch of address
// space, so that a record is named by a 32-bit slot number and a link costs
// half a pointer.  Pools take the slots a chunk at a time; memory backs a
// chunk only while a pool holds it, and only its touched pages are resident.
#include <cstddef>
#include <cstdint>

class LineRecord;

namespace line_slots {

inline constexpr std::size_t kSlotBytes = 20;
// A chunk fills whole pages, so that chunks commit and decommit apart.
inline constexpr std::uint32_t kChunkSlots = 16 * 1024;

// The start of the space; set when the first chunk is taken.
extern unsigned char* space;

// Slot 0 is never handed out and stands for no record.
inline LineRecord* At(std::uint32_t slot) {
  return slot ? reinterpret_cast<LineRecord*>(space + std::size_t{slot} * kSlotBytes) : nullptr;
}
inline std::uint32_t SlotOf(const LineRecord* record) {
  if (!record) return 0;
  return static_cast<std::uint32_t>(static_cast<std::size_t>(reinterpret_cast<const unsigned char*>(record) - space) /
                                    kSlotBytes);
}

// A chunk with memory behind it, by number (its slots start at number *
// kChunkSlots); 0 when the space is full or memory is exhausted.  Safe from
// any thread.
std::uint32_t AcquireChunk();
// Gives the chunk's memory back; its slots go to whoever asks next.
void ReleaseChunk(std::uint32_t chunk);
// A word per chunk for the pool holding it to chain its chunks through.
std::uint32_t& ChunkLink(std::uint32_t chunk);

}  // namespace line_slots
