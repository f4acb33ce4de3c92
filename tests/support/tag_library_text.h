#pragma once
// A tag library file made from a text: UTF-16 LE after a byte-order mark.
#include <string_view>

#include "support/settings_bytes.h"

namespace tag_library_text {

inline settings_bytes::Bytes FileBytes(std::u16string_view text) {
  settings_bytes::Bytes bytes = settings_bytes::Utf16(text);
  bytes.insert(bytes.begin(), {0xFF, 0xFE});
  return bytes;
}

}  // namespace tag_library_text
