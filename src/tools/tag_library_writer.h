#pragma once
// Writes a tag library file: byte-order mark, then per folder its name,
// its open state and a blank line, then per tag its five records and a
// blank line; UTF-16 little-endian with CR LF line breaks throughout.
#include "platform/file_replace.h"
#include "tools/tag_library.h"

// True when every byte reached the target and it was committed; after any
// failure nothing is committed, so a replaced file stays as it was.
bool SaveTagLibrary(TagLibraryWalk& walk, byte_file::Target& target);
