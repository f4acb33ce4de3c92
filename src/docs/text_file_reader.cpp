#include "docs/text_file_reader.h"

#include <algorithm>

#include "docs/ascii_scan.h"
#include "docs/jis_conversion.h"
#include "platform/code_page.h"

namespace {

constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::uint8_t kLineFeed = 0x0A;
constexpr std::uint8_t kEscape = 0x1B;
constexpr std::uint8_t kShiftOut = 0x0E;
constexpr std::uint8_t kShiftIn = 0x0F;

bool IsBreak(std::uint8_t byte) { return byte == kCarriageReturn || byte == kLineFeed; }
bool InRange(std::uint8_t byte, std::uint8_t low, std::uint8_t high) { return byte >= low && byte <= high; }

// Bytes a UTF-8 lead byte announces, malformed leads included.
std::uint32_t Utf8Length(std::uint8_t lead) {
  if (lead < 0xC2) return 1;
  if (lead <= 0xDF) return 2;
  if (lead <= 0xEF) return 3;
  if (lead <= 0xF7) return 4;
  if (lead <= 0xFB) return 5;
  return 6;
}

// A malformed character never takes a line break as one of its trail
// bytes, so that the break still ends the line and never reaches the text.
const std::uint8_t* StopAtBreak(const std::uint8_t* from, const std::uint8_t* next) {
  for (const std::uint8_t* at = from + 1; at < next; ++at) {
    if (IsBreak(*at)) return at;
  }
  return next;
}

bool IsTrail(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Decodes well-formed UTF-8 from at on into out, up to end or the first
// byte that does not begin a well-formed character, and returns where it
// stopped (ASCII is widened as WidenAscii does, reading no further than
// readable_end).  Well-formed text reads the same in every conforming converter;
// what is left is the system's to convert, malformed bytes and all.
const std::uint8_t* DecodeWellFormedUtf8(const std::uint8_t* at, const std::uint8_t* end,
                                         const std::uint8_t* readable_end, char16_t*& out) {
  while (at < end) {
    const std::uint8_t lead = *at;
    if (lead < 0x80) {
      at = ascii_scan::WidenAscii(at, end, readable_end, out);
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      if (end - at < 2 || !IsTrail(at[1])) break;
      *out++ = static_cast<char16_t>((lead & 0x1F) << 6 | (at[1] & 0x3F));
      at += 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      // No overlong forms below U+0800, no surrogates.
      const std::uint8_t low = lead == 0xE0 ? 0xA0 : 0x80;
      const std::uint8_t high = lead == 0xED ? 0x9F : 0xBF;
      if (end - at < 3 || !InRange(at[1], low, high) || !IsTrail(at[2])) break;
      *out++ = static_cast<char16_t>((lead & 0x0F) << 12 | (at[1] & 0x3F) << 6 | (at[2] & 0x3F));
      at += 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      // No overlong forms below U+10000, nothing above U+10FFFF.
      const std::uint8_t low = lead == 0xF0 ? 0x90 : 0x80;
      const std::uint8_t high = lead == 0xF4 ? 0x8F : 0xBF;
      if (end - at < 4 || !InRange(at[1], low, high) || !IsTrail(at[2]) || !IsTrail(at[3])) break;
      const std::uint32_t point = static_cast<std::uint32_t>(lead & 0x07) << 18 |
                                  static_cast<std::uint32_t>(at[1] & 0x3F) << 12 |
                                  static_cast<std::uint32_t>(at[2] & 0x3F) << 6 | (at[3] & 0x3F);
      *out++ = static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
      *out++ = static_cast<char16_t>(0xDC00 + (point & 0x3FF));
      at += 4;
    } else {
      break;
    }
  }
  return at;
}

}  // namespace

TextFileReader::TextFileReader(const std::uint8_t* data, std::uint32_t size, EncodingId encoding)
    : at_(data), end_(data + size), encoding_(encoding) {
  if (encoding == kUtf16Le || encoding == kUtf16Be) {
    end_ = data + (size & ~1u);
    const std::uint8_t mark[2] = {static_cast<std::uint8_t>(encoding == kUtf16Le ? 0xFF : 0xFE),
                                  static_cast<std::uint8_t>(encoding == kUtf16Le ? 0xFE : 0xFF)};
    if (end_ - at_ >= 2 && at_[0] == mark[0] && at_[1] == mark[1]) at_ += 2;
  } else if (encoding == kUtf8 && size > 2 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
    at_ += 3;
  }
}

TextFileReader TextFileReader::SplitOffAt(const std::uint8_t* cut) {
  TextFileReader part;
  part.at_ = cut;
  part.end_ = end_;
  part.encoding_ = encoding_;
  end_ = cut;
  return part;
}

LineBreakStyle TextFileReader::LineBreaks() const {
  if (cr_count_ > 2 * lf_count_) return kCr;
  if (lf_count_ > 2 * cr_count_) return kLf;
  return kCrLf;
}

std::int32_t TextFileReader::DecodeChunk(char16_t* chunk) {
  switch (encoding_) {
    case kUtf16Le: return DecodeUtf16(chunk, false);
    case kUtf16Be: return DecodeUtf16(chunk, true);
    case kUtf8:
    case kShiftJis: return DecodeMultiByteRuns(chunk);
    case kEucJp: return DecodeEucJp(chunk);
    case kIso2022Jp: return DecodeIso2022Jp(chunk);
    default: return DecodeSingleByte(chunk);
  }
}

// at_ is on a CR or LF byte: consumes it, and the LF of a CR LF pair.
void TextFileReader::TakeLineBreak() {
  if (*at_++ == kLineFeed) {
    ++lf_count_;
    return;
  }
  ++cr_count_;
  if (at_ < end_ && *at_ == kLineFeed) {
    ++lf_count_;
    ++at_;
  }
}

// A line break is taken only inside the window; otherwise the line ended
// with the data or goes on in the next chunk.
void TextFileReader::FinishByteChunk(const std::uint8_t* window_end) {
  if (at_ < window_end && IsBreak(*at_)) {
    TakeLineBreak();
    status_ = kChunkLineBreak;
  } else {
    status_ = at_ >= end_ ? kChunkDataEnded : kChunkLineGoesOn;
  }
}

std::int32_t TextFileReader::DecodeSingleByte(char16_t* chunk) {
  const std::uint8_t* limit = at_ + std::min<std::ptrdiff_t>(end_ - at_, kChunkUnits);
  std::int32_t count = 0;
  while (at_ < limit && !IsBreak(*at_)) chunk[count++] = *at_++;
  FinishByteChunk(limit);
  return count;
}

std::int32_t TextFileReader::DecodeUtf16(char16_t* chunk, bool big_endian) {
  auto unit_at = [big_endian](const std::uint8_t* at) {
    return static_cast<char16_t>(big_endian ? (at[0] << 8) | at[1] : at[0] | (at[1] << 8));
  };
  const std::uint8_t* limit = at_ + std::min<std::ptrdiff_t>(end_ - at_, 2 * kChunkUnits);
  std::int32_t count = 0;
  while (at_ < limit) {
    char16_t unit = unit_at(at_);
    if (unit == kCarriageReturn || unit == kLineFeed) break;
    chunk[count++] = unit;
    at_ += 2;
  }
  if (at_ < limit) {
    char16_t unit = unit_at(at_);
    at_ += 2;
    if (unit == kLineFeed) {
      ++lf_count_;
    } else {
      ++cr_count_;
      if (at_ < end_ && unit_at(at_) == kLineFeed) {
        ++lf_count_;
        at_ += 2;
      }
    }
    status_ = kChunkLineBreak;
  } else {
    status_ = at_ >= end_ ? kChunkDataEnded : kChunkLineGoesOn;
  }
  return count;
}

// UTF-8 and Shift_JIS: finds a run of whole characters within the window
// and converts it with the system's code page in one call.
std::int32_t TextFileReader::DecodeMultiByteRuns(char16_t* chunk) {
  const bool utf8 = encoding_ == kUtf8;
  const std::uint8_t* window_end = InputWindowEnd();
  const std::uint8_t* run = at_;
  // Characters never take a line break as a trail byte, so stepping over
  // them ends exactly at a break inside the window: only a line that goes
  // on past the window needs the steps.
  const std::uint8_t* at = ascii_scan::FindLineBreak(at_, window_end);
  if (at == window_end) at = run;
  while (at < window_end) {
    std::uint8_t byte = *at;
    if (byte < 0x80) {
      if (IsBreak(byte)) break;
      ++at;
      continue;
    }
    const std::uint8_t* next;
    if (utf8) {
      next = at + std::min<std::ptrdiff_t>(end_ - at, Utf8Length(byte));
    } else {
      next = reinterpret_cast<const std::uint8_t*>(code_page::NextCharacter(
          code_page::kShiftJis, reinterpret_cast<const char*>(at), reinterpret_cast<const char*>(end_)));
    }
    at = StopAtBreak(at, next);
  }
  // What reads the same in any converter is decoded here, which spares most
  // runs a call into the system: plain ASCII in both encodings, and
  // well-formed UTF-8.
  char16_t* out = chunk;
  const std::uint8_t* rest =
      utf8 ? DecodeWellFormedUtf8(run, at, end_, out) : ascii_scan::WidenAscii(run, at, end_, out);
  auto count = static_cast<std::int32_t>(out - chunk);
  if (at > rest) {
    count += code_page::ToUtf16(utf8 ? code_page::kUtf8 : code_page::kShiftJis, reinterpret_cast<const char*>(rest),
                                static_cast<std::int32_t>(at - rest), out, kChunkUnits - count);
  }
  at_ = at;
  FinishByteChunk(window_end);
  return count;
}

std::int32_t TextFileReader::DecodeEucJp(char16_t* chunk) {
  const char16_t replacement = code_page::DefaultCharacter(code_page::kShiftJis);
  const std::uint8_t* window_end = InputWindowEnd();
  std::int32_t count = 0;
  while (at_ < window_end) {
    std::uint8_t byte = *at_;
    if (IsBreak(byte)) break;
    if (byte < 0x80) {
      chunk[count++] = byte;
      ++at_;
      continue;
    }
    if (end_ - at_ < 2) {  // a lead byte at the very end has nothing to go with
      at_ = end_;
      break;
    }
    std::uint8_t trail = at_[1];
    if (IsBreak(trail)) {
      chunk[count++] = replacement;
      ++at_;
      continue;
    }
    if (byte == 0x8E) {
      count += jis::ShiftJisByteToUtf16(trail | 0x80, chunk + count);
      at_ += 2;
    } else if (byte == 0x8F) {
      // JIS X 0212 has no place in code page 932: the whole three-byte
      // character becomes one replacement so that the line stays in step.
      if (end_ - at_ >= 3 && InRange(trail, 0xA1, 0xFE) && InRange(at_[2], 0xA1, 0xFE)) {
        chunk[count++] = replacement;
        at_ += 3;
      } else {
        char16_t unit = trail & 0x7F;
        chunk[count++] = IsBreak(static_cast<std::uint8_t>(unit)) ? replacement : unit;
        at_ += 2;
      }
    } else {
      count += jis::JisX0208ToUtf16(byte & 0x7F, trail & 0x7F, chunk + count);
      at_ += 2;
    }
  }
  FinishByteChunk(window_end);
  return count;
}

std::int32_t TextFileReader::DecodeIso2022Jp(char16_t* chunk) {
  const char16_t replacement = code_page::DefaultCharacter(code_page::kShiftJis);
  const std::uint8_t* window_end = InputWindowEnd();
  std::int32_t count = 0;
  while (at_ < window_end) {
    std::uint8_t byte = *at_;
    if (IsBreak(byte)) break;
    if (byte == kShiftOut || byte == kShiftIn) {
      shifted_out_ = byte == kShiftOut;
      ++at_;
    } else if (byte == kEscape) {
      // Unknown designations are skipped whole; an escape near the end, or
      // one whose bytes hold a line break, is skipped alone.
      if (end_ - at_ >= 3 && !IsBreak(at_[1]) && !IsBreak(at_[2])) {
        std::uint8_t intermediate = at_[1], final = at_[2];
        if (intermediate == '(' && (final == 'B' || final == 'J')) designated_ = Iso2022Set::kAscii;
        if (intermediate == '(' && final == 'I') designated_ = Iso2022Set::kKatakana;
        if (intermediate == '$' && (final == '@' || final == 'B')) designated_ = Iso2022Set::kJisX0208;
        at_ += 3;
      } else {
        ++at_;
      }
    } else if (byte >= 0x80) {
      count += jis::ShiftJisByteToUtf16(byte, chunk + count);
      ++at_;
    } else if (shifted_out_ || designated_ == Iso2022Set::kKatakana) {
      count += jis::ShiftJisByteToUtf16(byte | 0x80, chunk + count);
      ++at_;
    } else if (designated_ == Iso2022Set::kAscii) {
      chunk[count++] = byte;
      ++at_;
    } else if (end_ - at_ < 2) {  // half a character at the very end
      at_ = end_;
    } else if (IsBreak(at_[1])) {
      chunk[count++] = replacement;
      ++at_;
    } else {
      count += jis::JisX0208ToUtf16(byte, at_[1] & 0x7F, chunk + count);
      at_ += 2;
    }
  }
  FinishByteChunk(window_end);
  return count;
}
