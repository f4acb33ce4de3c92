#include "docs/encoding_detection.h"

#include <algorithm>

#include "docs/ascii_scan.h"
#include "platform/code_page.h"

namespace encoding_detection {
namespace {

bool InRange(std::uint8_t byte, std::uint8_t low, std::uint8_t high) { return byte >= low && byte <= high; }

// The index of the first byte from i on that is 0x80 or above, or size.
std::uint32_t SkipAscii(const std::uint8_t* data, std::uint32_t i, std::uint32_t size) {
  return static_cast<std::uint32_t>(ascii_scan::SkipAscii(data + i, data + size) - data);
}

// Continuation bytes a lead byte (0x80 or above) announces, up to the old
// five-byte limit; -1 for a byte that cannot start a sequence.
int Utf8TrailCount(std::uint8_t lead) {
  if (lead <= 0xC1) return -1;
  if (lead <= 0xDF) return 1;
  if (lead <= 0xEF) return 2;
  if (lead <= 0xF7) return 3;
  if (lead <= 0xFB) return 4;
  if (lead <= 0xFD) return 5;
  return -1;
}

bool HasUtf8Mark(const std::uint8_t* data, std::uint32_t size) {
  return size > 2 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF;
}

int DetectByScores(const std::uint8_t* data, std::uint32_t size, bool shift_jis_available) {
  if (IsValidUtf8(data, size)) return kUtf8;
  if (!shift_jis_available) return -1;
  std::int64_t shift_jis = ShiftJisScore(data, size);
  std::int64_t euc_jp = EucJpScore(data, size);
  if (shift_jis > euc_jp) return kShiftJis;
  if (euc_jp > shift_jis) return kEucJp;
  return -1;
}

}  // namespace

bool IsValidUtf8(const std::uint8_t* data, std::uint32_t size) {
  std::uint32_t i = HasUtf8Mark(data, size) ? 3 : 0;
  while ((i = SkipAscii(data, i, size)) < size) {
    int trail_count = Utf8TrailCount(data[i]);
    if (trail_count < 0) return false;
    const auto end = static_cast<std::uint32_t>(std::min<std::uint64_t>(size, std::uint64_t{i} + 1 + trail_count));
    for (++i; i < end; ++i) {
      if (!InRange(data[i], 0x80, 0xBF)) return false;
    }
  }
  return true;
}

std::int64_t ShiftJisScore(const std::uint8_t* data, std::uint32_t size) {
  std::int64_t score = 0;
  for (std::uint32_t i = 0; i < size; ++i) {
    i = SkipAscii(data, i, size);
    if (i >= size) break;
    std::uint8_t byte = data[i];
    if (InRange(byte, 0xA1, 0xDF)) continue;
    if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) return 0;
    if (size - i < 2 || !InRange(data[i + 1], 0x40, 0xFC) || data[i + 1] == 0x7F) return 0;
    score += 2;
    ++i;
  }
  return score;
}

std::int64_t EucJpScore(const std::uint8_t* data, std::uint32_t size) {
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
      return 0;
    }
  }
  return score;
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
