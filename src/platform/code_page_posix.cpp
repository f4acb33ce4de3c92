// Stand-in for the system conversions on Linux.  UTF-8 is decoded with the
// same replacement rules as the Windows conversion (one U+FFFD per rejected
// lead byte or maximal invalid prefix; a sequence cut off by the end of the
// input becomes one U+FFFD).  Code page 932 takes its double-byte characters
// and single bytes from the tables of code_page_tables_posix.h.
#include "platform/code_page.h"

#include <emmintrin.h>

#include <algorithm>
#include <bit>

#include "platform/code_page_tables_posix.h"

namespace code_page {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';
// Collects units and notices when they no longer fit.
class Output {
 public:
  Output(char16_t* destination, std::int32_t capacity) : at_(destination), left_(capacity) {}
  void Put(char32_t code) {
    if (code >= 0x10000) {
      Put(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      Put(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
      return;
    }
    if (left_ <= 0) {
      overflow_ = true;
      return;
    }
    *at_++ = static_cast<char16_t>(code);
    --left_;
    ++written_;
  }
  std::int32_t Result() const { return overflow_ ? 0 : written_; }
  // For copying runs directly: room left, where the next unit goes, and how
  // many were written there.
  std::int32_t Room() const { return overflow_ ? 0 : left_; }
  char16_t* Cursor() const { return at_; }
  void Advance(std::int32_t units) {
    at_ += units;
    left_ -= units;
    written_ += units;
  }

 private:
  char16_t* at_;
  std::int32_t left_;
  std::int32_t written_ = 0;
  bool overflow_ = false;
};

// Decodes the sequence whose lead byte (>= 0x80) was just taken; `at`
// points after it and is moved past what the sequence consumed.
char32_t DecodeUtf8Sequence(unsigned char lead, const unsigned char*& at, const unsigned char* end) {
  int trail_count = 0;
  if (lead >= 0xC2 && lead <= 0xDF) trail_count = 1;
  if (lead >= 0xE0 && lead <= 0xEF) trail_count = 2;
  if (lead >= 0xF0 && lead <= 0xF4) trail_count = 3;
  if (trail_count == 0) return kReplacement;
  if (end - at < trail_count) {
    at = end;
    return kReplacement;
  }
  static constexpr unsigned char kLeadMask[4] = {0x7F, 0x1F, 0x0F, 0x07};
  char32_t code = lead & kLeadMask[trail_count];
  if (trail_count == 3) {
    unsigned bits = *at ^ 0x80u;
    if (bits >= 0x40) return kReplacement;
    code = (code << 6) | bits;
    ++at;
    if (code < 0x10 || code >= 0x110) return kReplacement;  // overlong or beyond U+10FFFF
  }
  if (trail_count >= 2) {
    unsigned bits = *at ^ 0x80u;
    if (bits >= 0x40) return kReplacement;
    code = (code << 6) | bits;
    ++at;
    if (code < 0x20) return kReplacement;                                     // overlong
    if (code >= (0xD800 >> 6) && code <= (0xDFFF >> 6)) return kReplacement;  // surrogate
  }
  unsigned bits = *at ^ 0x80u;
  if (bits >= 0x40) return kReplacement;
  ++at;
  return (code << 6) | bits;
}

// Copies the ASCII bytes from at on while they fit; returns where they end.
// Sixteen at a time while sixteen remain, the run's end read off the sign
// bits: runs between characters are short and end unpredictably.
const unsigned char* CopyAscii(const unsigned char* at, const unsigned char* end, Output& out) {
  const unsigned char* limit = at + std::min<std::ptrdiff_t>(out.Room(), end - at);
  const unsigned char* from = at;
  char16_t* to = out.Cursor();
  while (limit - from >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_unpacklo_epi8(bytes, _mm_setzero_si128()));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 8), _mm_unpackhi_epi8(bytes, _mm_setzero_si128()));
    // Units stored past the run stay within the room, beyond the count or
    // overwritten by what follows.
    const auto high = static_cast<unsigned>(_mm_movemask_epi8(bytes));
    const int ascii = high ? std::countr_zero(high) : 16;
    from += ascii;
    to += ascii;
    if (ascii < 16) break;
  }
  if (limit - from < 16) {
    while (from < limit && *from < 0x80) *to++ = *from++;
  }
  out.Advance(static_cast<std::int32_t>(from - at));
  return from;
}

std::int32_t Utf8ToUtf16(const unsigned char* at, const unsigned char* end, Output& out) {
  while (at < end) {
    at = CopyAscii(at, end, out);
    if (at == end) break;
    unsigned char byte = *at++;
    out.Put(byte < 0x80 ? byte : DecodeUtf8Sequence(byte, at, end));
  }
  return out.Result();
}

std::int32_t ShiftJisToUtf16(const unsigned char* at, const unsigned char* end, Output& out) {
  const ShiftJisTables& pairs = ShiftJis();
  while (at < end) {
    at = CopyAscii(at, end, out);
    if (at == end) break;
    unsigned char byte = *at++;
    if (!IsShiftJisLead(byte)) {
      out.Put(ShiftJisSingle(byte));
    } else if (at < end && *at != 0) {
      out.Put(pairs.Pair(byte, *at++));
    } else {
      out.Put(kShiftJisDefault);
    }
  }
  return out.Result();
}

}  // namespace

bool IsAvailable(unsigned code_page) {
  if (code_page == kUtf8) return true;
  if (code_page == kShiftJis) return ShiftJis().Ready();
  return false;
}

std::int32_t ToUtf16(unsigned code_page, const char* bytes, std::int32_t count, char16_t* destination,
                     std::int32_t capacity) {
  if (count <= 0 || capacity <= 0 || !IsAvailable(code_page)) return 0;
  const auto* at = reinterpret_cast<const unsigned char*>(bytes);
  Output out(destination, capacity);
  if (code_page == kUtf8) return Utf8ToUtf16(at, at + count, out);
  return ShiftJisToUtf16(at, at + count, out);
}

char16_t DefaultCharacter(unsigned code_page) { return code_page == kShiftJis ? kShiftJisDefault : kReplacement; }

const char* NextCharacter(unsigned, const char* at, const char* end) {
  if (end - at < 2) return end;
  if (IsShiftJisLead(static_cast<unsigned char>(at[0])) && at[1] != 0) return at + 2;
  return at + 1;
}

}  // namespace code_page
