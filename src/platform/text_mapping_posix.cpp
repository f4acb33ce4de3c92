// Stand-in for the system's locale mapping: the letters of ASCII, Latin-1,
// Latin Extended-A, Greek, Cyrillic and the full-width forms for case; the
// full-width ASCII forms, the ideographic space and the half-width katakana
// (voiced marks composed and split) for width; hiragana and katakana.
#include <climits>

#include "platform/text_mapping.h"
#include "platform/wide_string.h"

namespace text_mapping {
namespace {

constexpr char16_t kVoicedMark = 0xFF9E;      // half-width
constexpr char16_t kSemiVoicedMark = 0xFF9F;  // half-width

// Full-width forms of U+FF61..U+FF9F, in order.
constexpr char16_t kFullKana[] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};
constexpr char16_t kFirstHalfKana = 0xFF61;
constexpr int kHalfKanaCount = sizeof(kFullKana) / sizeof(kFullKana[0]);

// The half-width form of a full-width unit in the table, or 0.
char16_t HalfKana(char16_t unit) {
  for (int i = 0; i < kHalfKanaCount; ++i) {
    if (kFullKana[i] == unit) return static_cast<char16_t>(kFirstHalfKana + i);
  }
  return 0;
}

bool IsHaRow(char16_t kana) { return kana >= 0x30CF && kana <= 0x30DB && (kana - 0x30CF) % 3 == 0; }

// Katakana whose voiced form is the next code point (ka to to, ha to ho);
// the ha row's semi-voiced form is two code points on.
bool TakesVoicedMark(char16_t kana) {
  if (kana >= 0x30AB && kana <= 0x30C2) return kana % 2 == 1;
  return kana == 0x30C4 || kana == 0x30C6 || kana == 0x30C8 || IsHaRow(kana);
}

char16_t Lower(char16_t u) {
  if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return u + 0x20;
  if ((u >= 0x100 && u <= 0x137) || (u >= 0x14A && u <= 0x177)) return u | 1;
  if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E)) return (u & 1) ? u + 1 : u;
  if (u == 0x178) return 0xFF;
  if ((u >= 0x391 && u <= 0x3A9 && u != 0x3A2) || (u >= 0x410 && u <= 0x42F)) return u + 0x20;
  if (u >= 0x400 && u <= 0x40F) return u + 0x50;
  if (u >= 0xFF21 && u <= 0xFF3A) return u + 0x20;
  return u;
}

char16_t Upper(char16_t u) {
  if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) return u - 0x20;
  if (u == 0xFF) return 0x178;
  if ((u >= 0x100 && u <= 0x137) || (u >= 0x14A && u <= 0x177)) return u & ~1;
  if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E)) return (u & 1) ? u : u - 1;
  if ((u >= 0x3B1 && u <= 0x3C9 && u != 0x3C2) || (u >= 0x430 && u <= 0x44F)) return u - 0x20;
  if (u >= 0x450 && u <= 0x45F) return u - 0x50;
  if (u >= 0xFF41 && u <= 0xFF5A) return u - 0x20;
  return u;
}

char16_t Hiragana(char16_t u) {
  if ((u >= 0x30A1 && u <= 0x30F6) || u == 0x30FD || u == 0x30FE) return u - 0x60;
  return u;
}

char16_t Katakana(char16_t u) {
  if ((u >= 0x3041 && u <= 0x3096) || u == 0x309D || u == 0x309E) return u + 0x60;
  return u;
}

// Full width: one or two source units become one unit; returns the number
// of source units used.
int Fullwidth(const char16_t* text, int remaining, char16_t& out) {
  const char16_t u = text[0];
  out = u;
  if (u == 0x20) {
    out = 0x3000;
  } else if (u >= 0x21 && u <= 0x7E) {
    out = u + 0xFEE0;
  } else if (u >= kFirstHalfKana && u < kFirstHalfKana + kHalfKanaCount) {
    out = kFullKana[u - kFirstHalfKana];
    const char16_t mark = remaining > 1 ? text[1] : 0;
    if (mark == kVoicedMark && out == 0x30A6) {
      out = 0x30F4;  // vu
      return 2;
    }
    if (mark == kVoicedMark && TakesVoicedMark(out)) {
      out += 1;
      return 2;
    }
    if (mark == kSemiVoicedMark && IsHaRow(out)) {
      out += 2;
      return 2;
    }
  }
  return 1;
}

// Half width: one unit becomes one or two; returns the number written.
int Halfwidth(char16_t u, char16_t* out) {
  out[0] = u;
  if (u == 0x3000) {
    out[0] = 0x20;
  } else if (u >= 0xFF01 && u <= 0xFF5E) {
    out[0] = u - 0xFEE0;
  } else if (u == 0x30F4) {
    out[0] = HalfKana(0x30A6);
    out[1] = kVoicedMark;
    return 2;
  } else if (char16_t half = HalfKana(u)) {
    out[0] = half;
  } else if (TakesVoicedMark(u - 1)) {
    out[0] = HalfKana(u - 1);
    out[1] = kVoicedMark;
    return 2;
  } else if (IsHaRow(u - 2)) {
    out[0] = HalfKana(u - 2);
    out[1] = kSemiVoicedMark;
    return 2;
  }
  return 1;
}

}  // namespace

bool Map(std::uint32_t mapping, const char16_t* text, std::int32_t count, WideString& result) {
  result.Clear();
  if (!text || count <= 0 || count > INT_MAX / 2) return false;
  if (mapping != kLowercase && mapping != kUppercase && mapping != kHiragana && mapping != kKatakana &&
      mapping != kHalfwidth && mapping != kFullwidth) {
    return false;
  }
  if (!result.Reserve(static_cast<std::uint32_t>(2 * count))) return false;
  char16_t* out = result.Data();
  int written = 0;
  for (int i = 0; i < count;) {
    switch (mapping) {
      case kLowercase: out[written++] = Lower(text[i++]); break;
      case kUppercase: out[written++] = Upper(text[i++]); break;
      case kHiragana: out[written++] = Hiragana(text[i++]); break;
      case kKatakana: out[written++] = Katakana(text[i++]); break;
      case kFullwidth: i += Fullwidth(text + i, count - i, out[written++]); break;
      default: written += Halfwidth(text[i++], out + written); break;
    }
  }
  result.SetLength(static_cast<std::uint32_t>(written));
  return true;
}

}  // namespace text_mapping
