#include "docs/jis_conversion.h"

#include "platform/code_page.h"

namespace jis {

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
