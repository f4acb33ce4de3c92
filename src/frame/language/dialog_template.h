#pragma once
// Extended dialog templates from a language module are copied before use so
// that their font size can follow the user-interface font.  The template
// comes from outside the program: every read is bounded by its size.
#include <cstddef>
#include <cstdint>

namespace dialog_template {

// Point size for the dialogs: 11 with the large user-interface font
// (height -14), 9 otherwise.
std::uint16_t PointSizeFor(int ui_font_height);

// Byte offset of the point-size field of an extended template with
// DS_SETFONT, or 0 when the bytes are no such template or end too early.
std::size_t FontSizeOffset(const std::uint8_t* bytes, std::size_t size);

// Writes the point size into a copy of a template; false (and nothing
// written) when FontSizeOffset finds no font.
bool SetPointSize(std::uint8_t* bytes, std::size_t size, std::uint16_t points);

}  // namespace dialog_template
