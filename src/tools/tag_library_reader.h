#pragma once
// Reads a tag library file: UTF-16 little-endian, a byte-order mark or not,
// keyed lines ("Folder:", "Exp:", "Name:", "Start:", "End:", "Note:",
// "Move:") in a fixed order; other lines are passed over.
#include "platform/file_source.h"
#include "tools/tag_library.h"

// Appends what the source holds to `library`.  True when the source was
// read to its end; false after a read error or when memory ran out, what
// was read until then staying in the library.
bool LoadTagLibrary(byte_file::Source& source, TagLibrary& library);
