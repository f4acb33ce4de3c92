#include "base/language/dialog_template.h"

#include <utility>

namespace dialog_template {
namespace {

constexpr std::uint32_t kSetFontStyle = 0x40;  // DS_SETFONT
// dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy.
constexpr std::size_t kHeaderBytes = 26;
constexpr std::size_t kExStyleOffset = 8;
constexpr std::size_t kStyleOffset = 12;
constexpr std::size_t kCountOffset = 16;
// helpID, exStyle, style, x, y, cx, cy, id of an extended item.
constexpr std::size_t kItemHeaderBytes = 24;
constexpr std::size_t kItemExStyleOffset = 4;
constexpr std::size_t kItemStyleOffset = 8;
constexpr std::size_t kItemIdOffset = 20;

std::uint16_t Unit(const std::uint8_t* bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Double(const std::uint8_t* bytes, std::size_t at) {
  return Unit(bytes, at) | std::uint32_t{Unit(bytes, at + 2)} << 16;
}

// Each item starts on a 4-byte boundary of the template.
std::size_t Aligned(std::size_t at) { return (at + 3) & ~std::size_t{3}; }

bool SkipString(const std::uint8_t* bytes, std::size_t size, std::size_t& at) {
  for (; at + 2 <= size; at += 2) {
    if (Unit(bytes, at) == 0) {
      at += 2;
      return true;
    }
  }
  return false;
}

// Skips a menu or class field: 0 (none), 0xFFFF and an ordinal, or a
// NUL-terminated string.  Returns false when it runs past the end.
bool SkipField(const std::uint8_t* bytes, std::size_t size, std::size_t& at) {
  if (at + 2 > size) return false;
  const std::uint16_t first = Unit(bytes, at);
  if (first == 0) {
    at += 2;
    return true;
  }
  if (first == 0xFFFF) {
    at += 4;
    return at <= size;
  }
  return SkipString(bytes, size, at);
}

}  // namespace

std::uint16_t PointSizeFor(int ui_font_height) { return ui_font_height == -14 ? 11 : 9; }

std::size_t FontSizeOffset(const std::uint8_t* bytes, std::size_t size) {
  if (!bytes || size < kHeaderBytes) return 0;
  if (Unit(bytes, 0) != 1 || Unit(bytes, 2) != 0xFFFF) return 0;
  if (!(Double(bytes, kStyleOffset) & kSetFontStyle)) return 0;
  std::size_t at = kHeaderBytes;
  if (!SkipField(bytes, size, at) || !SkipField(bytes, size, at) || !SkipString(bytes, size, at)) return 0;
  // Point size, weight, italic and character set must all be inside.
  return at + 6 <= size ? at : 0;
}

bool SetPointSize(std::uint8_t* bytes, std::size_t size, std::uint16_t points) {
  const std::size_t at = FontSizeOffset(bytes, size);
  if (!at) return false;
  bytes[at] = static_cast<std::uint8_t>(points);
  bytes[at + 1] = static_cast<std::uint8_t>(points >> 8);
  return true;
}

namespace {

// Reads the window class of an item: an ordinal or a NUL-terminated name.
bool ReadClass(const std::uint8_t* bytes, std::size_t size, std::size_t& at, Control& control) {
  if (at + 2 > size) return false;
  if (Unit(bytes, at) == 0xFFFF) {
    if (at + 4 > size) return false;
    control.class_ordinal = Unit(bytes, at + 2);
    at += 4;
    return true;
  }
  for (; at + 2 <= size; at += 2) {
    const std::uint16_t unit = Unit(bytes, at);
    if (unit == 0) {
      at += 2;
      return true;
    }
    control.class_name.push_back(static_cast<char16_t>(unit));
  }
  return false;
}

}  // namespace

bool ReadControls(const std::uint8_t* bytes, std::size_t size, Controls& controls) {
  const std::size_t font = FontSizeOffset(bytes, size);
  if (!font) return false;
  std::size_t at = font + 6;
  if (!SkipString(bytes, size, at)) return false;
  Controls read;
  read.style = Double(bytes, kStyleOffset);
  read.ex_style = Double(bytes, kExStyleOffset);
  for (std::uint16_t left = Unit(bytes, kCountOffset); left > 0; --left) {
    at = Aligned(at);
    if (at + kItemHeaderBytes > size) return false;
    Control& control = read.items.emplace_back();
    control.style = Double(bytes, at + kItemStyleOffset);
    control.ex_style = Double(bytes, at + kItemExStyleOffset);
    control.id = Double(bytes, at + kItemIdOffset);
    at += kItemHeaderBytes;
    if (!ReadClass(bytes, size, at, control) || !SkipField(bytes, size, at)) return false;
    // Creation data: its byte count, then the bytes.
    if (at + 2 > size) return false;
    at += 2 + Unit(bytes, at);
    if (at > size) return false;
  }
  controls = std::move(read);
  return true;
}

}  // namespace dialog_template
