#pragma once
// The native build's file names are UTF-8 bytes; the program's are UTF-16.
#include <string>
#include <string_view>

namespace utf8_path {

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string FromUtf16(std::u16string_view path);
// UTF-8 to UTF-16 into out; a byte that starts no valid sequence becomes
// U+FFFD.
void ToUtf16(std::string_view bytes, std::u16string& out);

}  // namespace utf8_path
