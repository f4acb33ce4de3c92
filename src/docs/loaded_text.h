#pragma once
// A file's text together with the file state a load gives it: where it came
// from, how it was encoded and broken into lines, and when it was last
// written.  The document record builds on it.
#include <cstdint>

#include "platform/encoding.h"
#include "editor/store/text_store.h"
#include "platform/wide_string.h"

struct LoadedText {
  LoadedText(LineLayout& layout, std::int32_t wrap_width) : store(layout, wrap_width) {}

  TextStore store;
  WideString path;
  // A new editor starts with UTF-8 and CR LF; loading an empty or missing
  // file keeps whatever these hold.
  EncodingId encoding = kUtf8;
  LineBreakStyle line_breaks = kCrLf;
  // FILETIME value: 100-nanosecond intervals since 1601-01-01 UTC; 0 when
  // the file did not exist.
  std::uint64_t last_write_time = 0;
};
