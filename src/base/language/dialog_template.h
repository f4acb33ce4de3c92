#pragma once
// Extended dialog templates from a language module are copied before use so
// that their font size can follow the user-interface font.  The template
// comes from outside the program: every read is bounded by its size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

// A control of a template as the dialog manager creates it: its id, its
// styles and its window class, a predefined class's ordinal (0x80 button,
// 0x81 edit ...) or else a class name.
struct Control {
  std::uint32_t id = 0;
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  std::uint16_t class_ordinal = 0;
  std::u16string class_name;
  bool operator==(const Control&) const = default;
};

// The dialog's styles and its controls in template order, so that two
// modules' templates can be held side by side.
struct Controls {
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
  std::vector<Control> items;
};

// Reads an extended template with DS_SETFONT; false when the bytes are no
// such template or end before the last control the header counts.
bool ReadControls(const std::uint8_t* bytes, std::size_t size, Controls& controls);

}  // namespace dialog_template
