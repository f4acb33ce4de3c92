#pragma once
// What a document knows of its file. The editor reads the path (for the
// syntax mode) and the line-break style (for the line-end marks); the file's
// readers and writers set the record through the document's operations.
#include <cstdint>

#include "platform/encoding.h"
#include "platform/wide_string.h"

struct DocumentFile {
  WideString path;
  EncodingId encoding = kUtf8;
  LineBreakStyle line_breaks = kCrLf;
  // The write time the outside-change check last saw; it asks once per
  // change of the file, so a No moves this on.
  std::uint64_t file_time = 0;
  // The file's time and size as last loaded or saved, which a save checks
  // before it writes (the outside-change check leaves them).
  std::uint64_t disk_time = 0;
  std::uint64_t disk_size = 0;
};
