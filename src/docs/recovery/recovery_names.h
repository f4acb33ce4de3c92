#pragma once
// The names in the recovery folder.  Each running instance has an owner
// token and holds "TOKEN.owner" open while it runs; its snapshots are
// "TOKEN-SERIAL.snapshot".  A snapshot whose owner file is not held by a
// running instance is left over from one that ended without closing its
// documents, and the next start recovers it.
#include <cstdint>
#include <string>
#include <string_view>

namespace recovery_names {

inline constexpr std::u16string_view kFolder = u"Recovery";

// Sixteen lower-case hexadecimal digits from a process id and a start
// time, so that a reused process id gives another token.
std::u16string OwnerToken(std::uint32_t process_id, std::uint64_t start_time);
std::u16string OwnerFileName(std::u16string_view token);
std::u16string SnapshotName(std::u16string_view token, std::uint32_t serial);

// The owner token and serial of a snapshot's file name; false for any
// other name.
bool ParseSnapshotName(std::u16string_view name, std::u16string& token, std::uint32_t& serial);

// The owner token of the temporary file a snapshot's write leaves when it
// is cut short (the snapshot's name with the temporary suffix of a file
// replacement); false for any other name.
bool ParseSnapshotTemporaryName(std::u16string_view name, std::u16string& token);

}  // namespace recovery_names
