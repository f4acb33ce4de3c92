#pragma once
// The logical font the editor asks for, from its face name and point size.
#include <cstdint>
#include <string_view>

#include "platform/text_measurer.h"

namespace editor_font {

inline constexpr std::int32_t kNormalWeight = 400;
inline constexpr std::int32_t kBoldWeight = 700;

// Height -(pixels per inch x points) / 72 truncated toward zero, fixed pitch,
// default character set, the first 31 units of the face.
platform::FontRequest Request(std::u16string_view face, std::int32_t points, std::int32_t pixels_per_inch,
                              std::int32_t weight);

}  // namespace editor_font
