#pragma once
// Snapshot files: written whole or not at all (a temporary file beside the
// snapshot, flushed and renamed over it), read through a mapping.
#include <string>
#include <string_view>

#include "docs/recovery/recovery_snapshot.h"

namespace snapshot_file {

bool Write(std::u16string_view path, const SnapshotHeader& header, const std::vector<std::u16string_view>& text);
bool Read(const char16_t* path, SnapshotHeader& header, std::u16string& text);

}  // namespace snapshot_file
