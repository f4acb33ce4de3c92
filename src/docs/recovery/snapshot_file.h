#pragma once
// Snapshot files: written whole or not at all (a temporary file beside the
// snapshot, flushed and renamed over it; never written in place), read
// through a mapping.
#include <cstdint>
#include <string>
#include <string_view>

#include "docs/recovery/recovery_snapshot.h"

namespace snapshot_file {

// True once the new snapshot has taken the old one's place; otherwise the
// old one, if any, is as it was, no temporary file stays, and `error` holds
// the system's reason (0 when the header had a value out of range).
bool Write(std::u16string_view path, const SnapshotHeader& header, const std::vector<std::u16string_view>& text,
           std::uint32_t& error);
bool Read(const char16_t* path, SnapshotHeader& header, std::u16string& text);

}  // namespace snapshot_file
