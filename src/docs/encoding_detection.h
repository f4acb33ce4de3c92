#pragma once
// Deciding the encoding of a file's bytes: byte-order marks, UTF-8
// validity, competing Shift_JIS and EUC-JP scores and ISO-2022-JP escapes.
#include <cstdint>

#include "platform/encoding.h"

namespace encoding_detection {

// Valid UTF-8 after an optional EF BB BF; a sequence cut off by the end of
// the data counts as valid.
bool IsValidUtf8(const std::uint8_t* data, std::uint32_t size);
// 2 per double-byte character; 0 as soon as a byte cannot be Shift_JIS.
std::int64_t ShiftJisScore(const std::uint8_t* data, std::uint32_t size);
// 2 per two-byte and 3 per three-byte character; 0 as soon as a byte cannot
// be EUC-JP.
std::int64_t EucJpScore(const std::uint8_t* data, std::uint32_t size);

// The encoding to load the data with: a choice 0..6 as it is, detection for
// kAutoDetect.  -1 when detection cannot decide.  The second form asks the
// system whether code page 932 is available.
int ChooseEncoding(const std::uint8_t* data, std::uint32_t size, int choice, bool shift_jis_available);
int ChooseEncoding(const std::uint8_t* data, std::uint32_t size, int choice);

}  // namespace encoding_detection
