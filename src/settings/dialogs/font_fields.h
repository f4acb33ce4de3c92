#pragma once
// The editor font dialog's fields: the ranges of its three number fields
// with the labels that show them, the face name as a font can take it, and
// which of the system's fonts it offers.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/wide_string.h"

namespace font_fields {

struct Range {
  std::int32_t low;
  std::int32_t high;
};
inline constexpr Range kSize = {8, 72};
inline constexpr Range kLineSpacing = {0, 10};
inline constexpr Range kTabWidth = {1, 10};

// "(low-high)"; false when memory ran out.
bool RangeLabel(Range range, WideString& label);

// A font's face name holds 31 units before its terminating NUL; the rest
// of a longer name is dropped.
std::u16string_view FaceName(std::u16string_view chosen);

// Adds face to the offered faces when it is a fixed-pitch TrueType font
// (font_type and pitch_and_family as the font enumeration reports them),
// not a vertical "@" face and not offered yet; false when it is not added.
bool Offer(std::vector<WideString>& faces, std::u16string_view face, std::uint32_t font_type,
           std::uint8_t pitch_and_family);

}  // namespace font_fields
