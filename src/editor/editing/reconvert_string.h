#pragma once
// The answer to an input method's reconversion request: the selected text
// of one line in the RECONVERTSTRING layout (eight little-endian 32-bit
// fields, then the text and a NUL), built byte by byte so that it can be
// checked without Windows.
#include <cstdint>

#include "editor/store/text_store.h"

namespace reconvert {

inline constexpr std::uint32_t kHeaderBytes = 32;

// Bytes of the answer for count units: header, text and its NUL.
inline std::uint32_t AnswerSize(std::int32_t count) {
  return kHeaderBytes + 2 * static_cast<std::uint32_t>(count) + 2;
}

// Writes the structure for the units into buffer, whole text as string,
// composition and target. False, nothing written, when capacity is smaller
// than AnswerSize(count).
bool Write(const char16_t* units, std::int32_t count, std::uint8_t* buffer, std::uint32_t capacity);

// The request as the window procedure answers it: only a selection within
// one line can be reconverted (0 otherwise). Without a buffer the size is
// returned; with one (capacity being its declared size) it is filled and
// the size returned, or 0 when it is too small.
std::uint32_t Answer(TextStore& store, std::uint8_t* buffer, std::uint32_t capacity);

}  // namespace reconvert
