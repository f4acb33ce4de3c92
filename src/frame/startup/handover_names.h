#pragma once
// The block of file names a second instance hands to the running one:
// UTF-16 names, each followed by its own NUL, one after another.  The
// receiving side trusts nothing about the block: it comes from any process.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/wide_string.h"

namespace handover_names {

// Longest name accepted from outside; longer ones are no path the system
// could open anyway.
inline constexpr std::size_t kMaxNameUnits = 32767;

// Packs args[1..count-1] (args[0] is the program itself), skipping empty
// ones.  block holds the names with their terminators (its Length() is the
// unit count, so the byte count is twice that); names is how many were
// packed.  Returns false when memory runs out.
bool Pack(const char16_t* const* args, int count, WideString& block, std::uint32_t& names);

// Copies a received block of bytes into whole UTF-16 units (an odd last
// byte is dropped).  Returns false when memory runs out.
bool Receive(const void* data, std::size_t bytes, WideString& units);

// Finds the next name in units at or after offset: a non-empty run ended by
// a NUL inside the block and no longer than kMaxNameUnits.  A trailing run
// without its terminator is never a name.  Returns false when none is left;
// otherwise sets name and moves offset past its terminator.
bool NextName(std::u16string_view units, std::size_t& offset, std::u16string_view& name);

}  // namespace handover_names
