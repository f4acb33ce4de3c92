#include "docs/jis_conversion.h"

#include "platform/code_page.h"

namespace jis {
namespace {

constexpr int kIbmEntries = 400;
constexpr std::uint16_t kNoJis = 0x2129;

// The JIS code of IBM extension entry (s1 - 0xFA) * 192 + (s2 - 0x40).
struct IbmTable {
  std::uint16_t jis[kIbmEntries] = {};
  constexpr IbmTable() {
    for (std::uint16_t& code : jis) code = kNoJis;
    auto set_run = [this](int first, int count, std::uint16_t code) {
      for (int i = 0; i < count; ++i) jis[first + i] = static_cast<std::uint16_t>(code + i);
    };
    set_run(0x00, 10, 0x7C71);  // FA40..FA49: small roman numerals
    set_run(0x0A, 10, 0x2D35);  // FA4A..FA53: roman numerals
    jis[0x14] = 0x224C;         // FA54
    set_run(0x15, 3, 0x7C7C);   // FA55..FA57
    jis[0x18] = 0x2D6A;
    jis[0x19] = 0x2D62;
    jis[0x1A] = 0x2D64;
    jis[0x1B] = 0x2268;
    // From FA5C on the valid codes, in order, fill rows 0x79..0x7C cell by
    // cell; row 0x7C ends at cell 0x6E (FC4B).
    int row = 0x79, cell = 0x21;
    for (int index = 0x1C; index < kIbmEntries; ++index) {
      const int trail = 0x40 + index % 192;
      const int lead = 0xFA + index / 192;
      if (trail == 0x7F || trail > 0xFC || (lead == 0xFC && trail > 0x4B)) continue;
      jis[index] = static_cast<std::uint16_t>(row << 8 | cell);
      if (++cell > 0x7E) {
        ++row;
        cell = 0x21;
      }
    }
  }
};
constexpr IbmTable kIbm;

bool IsIbmExtension(std::uint8_t s1, std::uint8_t s2) {
  return ((s1 == 0xFA || s1 == 0xFB) && s2 >= 0x40) || (s1 == 0xFC && s2 >= 0x40 && s2 <= 0x4F);
}

bool IsJisByte(std::uint8_t byte) { return byte >= 0x21 && byte <= 0x7E; }

}  // namespace

bool FromShiftJis(std::uint8_t s1, std::uint8_t s2, std::uint8_t jis[2]) {
  if (IsIbmExtension(s1, s2)) {
    const std::uint16_t code = kIbm.jis[(s1 - 0xFA) * 192 + (s2 - 0x40)];
    jis[0] = static_cast<std::uint8_t>(code >> 8);
    jis[1] = static_cast<std::uint8_t>(code & 0xFF);
    return true;
  }
  // The standard arithmetic, modulo 256 throughout.
  int lead = s1 >= 0xE0 ? s1 - 0x40 : s1;
  int j1 = (2 * lead + 0x1F) & 0xFF;
  int j2;
  if (s2 >= 0x9F) {
    j1 = (j1 + 1) & 0xFF;
    j2 = s2 - 0x7E;
  } else {
    j2 = s2 < 0x80 ? s2 - 0x1F : s2 - 0x20;
  }
  jis[0] = static_cast<std::uint8_t>(j1);
  jis[1] = static_cast<std::uint8_t>(j2 & 0xFF);
  // Lead bytes 0xF0..0xF9 land past row 0x7E and wrap round to 0x00..0x12.
  return IsJisByte(jis[0]) && IsJisByte(jis[1]);
}

void ToShiftJis(std::uint8_t j1, std::uint8_t j2, std::uint8_t shift_jis[2]) {
  // Two JIS rows share one Shift_JIS lead byte; rows from 0x5F move to the
  // second lead range.  Malformed bytes below 0x20 give a negative row that
  // is rounded down, as the arithmetic shift does.
  int row_pair = (static_cast<int>(j1) - 0x20 + 1) >> 1;
  shift_jis[0] = static_cast<std::uint8_t>(row_pair + (j1 < 0x5F ? 0x80 : 0xC0));
  int cell = (j1 % 2 == 0) ? j2 + 0x7E : j2 + 0x1F + (j2 >= 0x60 ? 1 : 0);
  shift_jis[1] = static_cast<std::uint8_t>(cell);
}

std::int32_t JisX0208ToUtf16(std::uint8_t j1, std::uint8_t j2, char16_t* out) {
  std::uint8_t bytes[2];
  ToShiftJis(j1, j2, bytes);
  return code_page::ToUtf16(code_page::kShiftJis, reinterpret_cast<const char*>(bytes), 2, out, 2);
}

std::int32_t ShiftJisByteToUtf16(std::uint8_t byte, char16_t* out) {
  return code_page::ToUtf16(code_page::kShiftJis, reinterpret_cast<const char*>(&byte), 1, out, 2);
}

}  // namespace jis
