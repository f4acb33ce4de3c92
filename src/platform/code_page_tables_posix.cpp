#include "platform/code_page_tables_posix.h"

#include <iconv.h>

#include <array>
#include <memory>

namespace code_page {
namespace {

constexpr unsigned kRows = 0xFC - 0x81 + 1;

// NEC's selection of IBM's extensions (leads 0xED, 0xEE) repeats characters
// that IBM's own rows (0xFA..0xFC) also hold; the way back prefers those,
// and otherwise the lowest code, as the system does.
bool Preferred(std::uint16_t code, std::uint16_t over) {
  if (over == 0) return true;
  const bool nec_selected = (code >> 8) == 0xED || (code >> 8) == 0xEE;
  const bool over_nec_selected = (over >> 8) == 0xED || (over >> 8) == 0xEE;
  if (nec_selected != over_nec_selected) return over_nec_selected;
  return code < over;
}

struct Tables {
  std::array<char16_t, kRows * 256> pairs{};
  std::array<std::uint16_t, 65536> back{};
};

std::unique_ptr<Tables> Build() {
  iconv_t converter = iconv_open("UTF-16LE", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return nullptr;
  auto tables = std::make_unique<Tables>();
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    for (unsigned trail = 0; trail < 256; ++trail) {
      char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      unsigned char out[8];
      char* in_at = in;
      char* out_at = reinterpret_cast<char*>(out);
      std::size_t in_left = 2, out_left = sizeof out;
      iconv(converter, nullptr, nullptr, nullptr, nullptr);
      std::size_t done = iconv(converter, &in_at, &in_left, &out_at, &out_left);
      char16_t unit = kShiftJisDefault;
      const bool mapped = done != static_cast<std::size_t>(-1) && in_left == 0 && out_left == sizeof out - 2;
      if (mapped) unit = static_cast<char16_t>(out[0] | (out[1] << 8));
      tables->pairs[(lead - 0x81) * 256 + trail] = unit;
      const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
      if (mapped && Preferred(code, tables->back[unit])) tables->back[unit] = code;
    }
  }
  iconv_close(converter);
  for (unsigned byte = 0; byte < 256; ++byte) {
    if (!IsShiftJisLead(static_cast<unsigned char>(byte))) {
      tables->back[ShiftJisSingle(static_cast<unsigned char>(byte))] = static_cast<std::uint16_t>(byte);
    }
  }
  return tables;
}

const Tables* Get() {
  static const std::unique_ptr<Tables> tables = Build();
  return tables.get();
}

}  // namespace

char16_t ShiftJisSingle(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte == 0x80) return 0x0080;
  if (byte == 0xA0) return 0xF8F0;
  if (byte >= 0xA1 && byte <= 0xDF) return static_cast<char16_t>(0xFF61 + (byte - 0xA1));
  if (byte >= 0xFD) return static_cast<char16_t>(0xF8F1 + (byte - 0xFD));
  return kShiftJisDefault;
}

bool ShiftJisTables::Ready() const { return Get() != nullptr; }

char16_t ShiftJisTables::Pair(unsigned char lead, unsigned char trail) const {
  return Get()->pairs[(lead - 0x81) * 256 + trail];
}

std::uint16_t ShiftJisTables::Encode(char16_t unit) const { return Get()->back[unit]; }

const ShiftJisTables& ShiftJis() {
  static const ShiftJisTables tables;
  return tables;
}

}  // namespace code_page
