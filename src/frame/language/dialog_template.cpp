#include "frame/language/dialog_template.h"

namespace dialog_template {
namespace {

constexpr std::uint32_t kSetFontStyle = 0x40;  // DS_SETFONT
// dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy.
constexpr std::size_t kHeaderBytes = 26;
constexpr std::size_t kStyleOffset = 12;

std::uint16_t Unit(const std::uint8_t* bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

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
  const std::uint32_t style = Unit(bytes, kStyleOffset) | std::uint32_t{Unit(bytes, kStyleOffset + 2)} << 16;
  if (!(style & kSetFontStyle)) return 0;
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

}  // namespace dialog_template
