#pragma once
// What a file in EUC-JP or ISO-2022-JP may hold, as the writers produce them
// (JIS X 0208 and half-width katakana): each function gives the index of the
// first byte that breaks the encoding's rules, or -1 when none does.  Header
// only, so that the fuzz targets can use it too.
#include <cstdint>
#include <string_view>

namespace japanese_byte_rules {

// ASCII bytes alone; 8E and a katakana byte A1..DF; two bytes A1..FE.
inline std::int64_t EucJpFault(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(bytes[i]);
    if (byte < 0x80) continue;
    const auto next = i + 1 < bytes.size() ? static_cast<std::uint8_t>(bytes[i + 1]) : 0;
    const bool kana = byte == 0x8E && next >= 0xA1 && next <= 0xDF;
    const bool kanji = byte >= 0xA1 && byte <= 0xFE && next >= 0xA1 && next <= 0xFE;
    if (!kana && !kanji) return static_cast<std::int64_t>(i);
    ++i;
  }
  return -1;
}

// Seven bits only; ESC only as ESC ( B, ESC $ B or ESC ( I; pairs of
// 21..7E in kanji mode, 21..5F in katakana mode; ASCII mode at the end.
inline std::int64_t Iso2022JpFault(std::string_view bytes) {
  enum class Mode { kAscii, kKanji, kKatakana } mode = Mode::kAscii;
  auto in = [](std::uint8_t byte, std::uint8_t low, std::uint8_t high) { return byte >= low && byte <= high; };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(bytes[i]);
    if (byte >= 0x80) return static_cast<std::int64_t>(i);
    if (byte == 0x1B) {
      const std::string_view escape = bytes.substr(i + 1, 2);
      if (escape == "(B") mode = Mode::kAscii;
      else if (escape == "$B") mode = Mode::kKanji;
      else if (escape == "(I") mode = Mode::kKatakana;
      else return static_cast<std::int64_t>(i);
      i += 2;
    } else if (mode == Mode::kKanji) {
      if (!in(byte, 0x21, 0x7E) || i + 1 >= bytes.size() || !in(static_cast<std::uint8_t>(bytes[i + 1]), 0x21, 0x7E))
        return static_cast<std::int64_t>(i);
      ++i;
    } else if (mode == Mode::kKatakana && !in(byte, 0x21, 0x5F)) {
      return static_cast<std::int64_t>(i);
    }
  }
  return mode == Mode::kAscii ? -1 : static_cast<std::int64_t>(bytes.size());
}

// NUL, line feed and carriage return: a writer must give the file exactly
// those of the text.
template <typename Unit>
std::int64_t BreakingUnits(std::basic_string_view<Unit> text) {
  std::int64_t count = 0;
  for (const Unit unit : text) count += unit == 0 || unit == 0x0A || unit == 0x0D;
  return count;
}

}  // namespace japanese_byte_rules
