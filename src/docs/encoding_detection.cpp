#include "docs/encoding_detection.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "docs/ascii_scan.h"
#include "docs/parted_decoding.h"
#include "platform/code_page.h"
#include "platform/run_beside.h"

namespace encoding_detection {
namespace {

constexpr bool InRange(std::uint8_t byte, std::uint8_t low, std::uint8_t high) { return byte >= low && byte <= high; }

// The index of the first byte from i on that is 0x80 or above, or size.
std::uint32_t SkipAscii(const std::uint8_t* data, std::uint32_t i, std::uint32_t size) {
  return static_cast<std::uint32_t>(ascii_scan::SkipAscii(data + i, data + size) - data);
}

// The bytes of a 64-byte block, bit k for byte k, by what they can be in
// UTF-8: at_least_xx holds the bytes from 0xXX up.
struct Utf8Classes {
  std::uint64_t high = 0;
  std::uint64_t at_least_c0 = 0, at_least_c2 = 0, at_least_e0 = 0, at_least_f0 = 0;
  std::uint64_t at_least_f8 = 0, at_least_fc = 0, at_least_fe = 0;
};

std::uint64_t HighBytes(const std::uint8_t* block) {
  std::uint64_t high = 0;
  for (int part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
    high |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(bytes))} << (16 * part);
  }
  return high;
}

Utf8Classes Classify(const std::uint8_t* block, std::uint64_t high) {
  // Compared as signed bytes, so ASCII passes too and is masked off.
  auto from = [&](std::uint8_t low) {
    std::uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
      const __m128i above = _mm_cmpgt_epi8(bytes, _mm_set1_epi8(static_cast<char>(low - 1)));
      mask |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(above))} << (16 * part);
    }
    return mask & high;
  };
  Utf8Classes classes;
  classes.high = high;
  classes.at_least_c0 = from(0xC0);
  classes.at_least_c2 = from(0xC2);
  classes.at_least_e0 = from(0xE0);
  classes.at_least_f0 = from(0xF0);
  // Four-byte and longer leads are rare: the rest only when there are any.
  if (classes.at_least_f0 != 0) {
    classes.at_least_f8 = from(0xF8);
    classes.at_least_fc = from(0xFC);
    classes.at_least_fe = from(0xFE);
  }
  return classes;
}

// Checks a block against the continuation bytes the leads before it still
// await (`awaited`, bit k for byte k) and returns what its own leads await
// of the next block, or nothing when the block is invalid.  Valid means that
// continuation bytes stand exactly where leads await them, up to the old
// six-byte limit, and no byte is one that cannot occur (C0, C1, FE, FF).
// `size` cuts the block: awaited bytes past the data count as present.
std::optional<std::uint64_t> CheckBlock(const std::uint8_t* block, std::uint64_t awaited, std::uint32_t size) {
  const std::uint64_t high = HighBytes(block);
  if ((high | awaited) == 0) return 0;
  const Utf8Classes c = Classify(block, high);
  const std::uint64_t impossible = (c.at_least_c0 & ~c.at_least_c2) | c.at_least_fe;
  const std::uint64_t continuation = c.high & ~c.at_least_c0;
  // A lead from 0xC2 awaits one byte, from 0xE0 two, and so on: each class
  // adds the byte one further on.
  std::uint64_t expected = awaited | (c.at_least_c2 << 1) | (c.at_least_e0 << 2) | (c.at_least_f0 << 3) |
                           (c.at_least_f8 << 4) | (c.at_least_fc << 5);
  if (size < 64) expected &= (std::uint64_t{1} << size) - 1;
  if (impossible != 0 || expected != continuation) return std::nullopt;
  return (c.at_least_c2 >> 63) | (c.at_least_e0 >> 62) | (c.at_least_f0 >> 61) | (c.at_least_f8 >> 60) |
         (c.at_least_fc >> 59);
}

bool HasUtf8Mark(const std::uint8_t* data, std::uint32_t size) {
  return size > 2 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF;
}

// Byte kinds in Shift_JIS: a run of characters is walked without going back
// to the ASCII skip after each one.
enum ShiftJisKind : std::uint8_t { kSjisAscii, kSjisKana, kSjisLead, kSjisNever };

struct ShiftJisTables {
  ShiftJisKind kind[256] = {};
  bool trail[256] = {};
  constexpr ShiftJisTables() {
    for (int byte = 0x80; byte < 256; ++byte) {
      if (InRange(static_cast<std::uint8_t>(byte), 0xA1, 0xDF)) {
        kind[byte] = kSjisKana;
      } else if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) {
        kind[byte] = kSjisNever;
      } else {
        kind[byte] = kSjisLead;
      }
    }
    for (int byte = 0x40; byte <= 0xFC; ++byte) trail[byte] = byte != 0x7F;
  }
};
constexpr ShiftJisTables kShiftJisBytes;

// 2 per double-byte character; -1 as soon as a byte cannot be Shift_JIS.
std::int64_t ShiftJisPoints(const std::uint8_t* data, std::uint32_t size) {
  std::int64_t score = 0;
  std::uint32_t i = 0;
  while ((i = SkipAscii(data, i, size)) < size) {
    for (ShiftJisKind kind; i < size && (kind = kShiftJisBytes.kind[data[i]]) != kSjisAscii;) {
      if (kind == kSjisKana) {
        ++i;
        continue;
      }
      if (kind == kSjisNever || size - i < 2 || !kShiftJisBytes.trail[data[i + 1]]) return -1;
      score += 2;
      i += 2;
    }
  }
  return score;
}

// 2 per two-byte and 3 per three-byte character; -1 as soon as a byte
// cannot be EUC-JP.
std::int64_t EucJpPoints(const std::uint8_t* data, std::uint32_t size) {
  std::int64_t score = 0;
  for (std::uint32_t i = 0; i < size; ++i) {
    i = SkipAscii(data, i, size);
    if (i >= size) break;
    std::uint8_t byte = data[i];
    if (InRange(byte, 0xA1, 0xFE) && size - i > 1 && InRange(data[i + 1], 0xA1, 0xFE)) {
      score += 2;
      i += 1;
    } else if (byte == 0x8E && size - i > 1 && InRange(data[i + 1], 0xA1, 0xDF)) {
      score += 2;
      i += 1;
    } else if (byte == 0x8F && size - i > 2 && InRange(data[i + 1], 0xA1, 0xFE) &&
               InRange(data[i + 2], 0xA1, 0xFE)) {
      score += 3;
      i += 2;
    } else {
      return -1;
    }
  }
  return score;
}

// A large file is scanned in two parts side by side, cut just after the
// first line feed from the middle on.  No character of the three encodings
// takes a line feed as one of its bytes, so a scan of the whole is at a
// character's start there: the parts' verdicts and scores join into the
// whole's.
constexpr std::uint32_t kSmallestParted = 1 << 20;

// Where the second part starts; size when there is none.
std::uint32_t PartCut(const std::uint8_t* data, std::uint32_t size) {
  if (size < kSmallestParted || parted_decoding::Threads() < 2) return size;
  const void* line_feed = std::memchr(data + size / 2, 0x0A, size - size / 2);
  return line_feed ? static_cast<std::uint32_t>(static_cast<const std::uint8_t*>(line_feed) - data) + 1 : size;
}

// scan of the bytes before cut and of those from cut on, the second on a
// thread of its own that has ended on return.  An empty second part is
// scanned too, giving the neutral result.
template <typename Scan>
auto ScanParts(const std::uint8_t* data, std::uint32_t cut, std::uint32_t size, Scan scan) {
  decltype(scan(data, size)) tail{};
  auto scan_tail = [&] { tail = scan(data + cut, size - cut); };
  decltype(scan(data, size)) head{};
  auto scan_head = [&] { head = scan(data, cut); };
  if (cut < size) {
    RunBeside(scan_head, scan_tail);
  } else {
    scan_tail();
    scan_head();
  }
  return std::pair{head, tail};
}

// The whole's score from the parts': 0 when either part cannot be the encoding.
std::int64_t JoinedScore(std::int64_t head, std::int64_t tail) { return head < 0 || tail < 0 ? 0 : head + tail; }

struct Scores {
  std::int64_t shift_jis;
  std::int64_t euc_jp;
};

int DetectByScores(const std::uint8_t* data, std::uint32_t size, bool shift_jis_available) {
  const std::uint32_t cut = PartCut(data, size);
  const auto [head_valid, tail_valid] = ScanParts(data, cut, size, IsValidUtf8);
  if (head_valid && tail_valid) return kUtf8;
  if (!shift_jis_available) return -1;
  const auto [head, tail] = ScanParts(data, cut, size, [](const std::uint8_t* part, std::uint32_t part_size) {
    return Scores{ShiftJisPoints(part, part_size), EucJpPoints(part, part_size)};
  });
  const std::int64_t shift_jis = JoinedScore(head.shift_jis, tail.shift_jis);
  const std::int64_t euc_jp = JoinedScore(head.euc_jp, tail.euc_jp);
  if (shift_jis > euc_jp) return kShiftJis;
  if (euc_jp > shift_jis) return kEucJp;
  return -1;
}

}  // namespace

// Sixty-four bytes at a time: Japanese pages hold many short runs of ASCII
// between characters, which a byte-by-byte walk mispredicts.
bool IsValidUtf8(const std::uint8_t* data, std::uint32_t size) {
  std::uint32_t i = HasUtf8Mark(data, size) ? 3 : 0;
  std::optional<std::uint64_t> awaited = 0;
  for (; size - i >= 64; i += 64) {
    awaited = CheckBlock(data + i, *awaited, 64);
    if (!awaited) return false;
  }
  if (i == size) return true;
  std::uint8_t last[64] = {};
  std::memcpy(last, data + i, size - i);
  return CheckBlock(last, *awaited, size - i).has_value();
}

std::int64_t ShiftJisScore(const std::uint8_t* data, std::uint32_t size) {
  return std::max<std::int64_t>(ShiftJisPoints(data, size), 0);
}

std::int64_t EucJpScore(const std::uint8_t* data, std::uint32_t size) {
  return std::max<std::int64_t>(EucJpPoints(data, size), 0);
}

int ChooseEncoding(const std::uint8_t* data, std::uint32_t size, int choice, bool shift_jis_available) {
  if (choice >= kUtf8 && choice <= kSingleByte) return choice;
  if (choice != kAutoDetect) return -1;
  if (size <= 1) return kSingleByte;
  if (data[0] == 0xFF && data[1] == 0xFE) return kUtf16Le;
  if (data[0] == 0xFE && data[1] == 0xFF) return kUtf16Be;
  // The last byte is left out of the scan: a lone high byte there decides
  // nothing, and an escape needs a byte after it.
  for (std::uint32_t i = 0; i < size - 1; ++i) {
    if (data[i] >= 0x80) return DetectByScores(data, size, shift_jis_available);
    if (data[i] == 0x1B && (data[i + 1] == '$' || data[i + 1] == '(')) {
      return shift_jis_available ? kIso2022Jp : kSingleByte;
    }
  }
  return kSingleByte;
}

int ChooseEncoding(const std::uint8_t* data, std::uint32_t size, int choice) {
  return ChooseEncoding(data, size, choice, code_page::IsAvailable(code_page::kShiftJis));
}

}  // namespace encoding_detection
