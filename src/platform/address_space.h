#pragma once
// Address space reserved without memory behind it, and memory committed into
// it page range by page range, for structures that must stay at one place
// and be reached by small offsets from its start.
#include <cstddef>

namespace address_space {

// Reserves bytes (a multiple of 64 KiB) of address space; nullptr when the
// system refuses.
void* Reserve(std::size_t bytes);
// Backs the range, which lies in a reservation on page boundaries, with
// memory that reads as zero until written; false when the system refuses.
bool Commit(void* address, std::size_t bytes);
// Gives the range's memory back; it stays reserved.
void Decommit(void* address, std::size_t bytes);

}  // namespace address_space
