#include "docs/ascii_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The break found is the first CR or LF from any start, wherever it falls
// within or across the blocks scanned, and end when there is none.
TEST(AsciiScan, FindLineBreakIsTheFirstBreak) {
  for (std::uint8_t brk : {std::uint8_t{0x0A}, std::uint8_t{0x0D}}) {
    for (int size = 0; size <= 40; ++size) {
      for (int place = 0; place <= size; ++place) {
        // Bytes near the breaks' values and high bytes around the break.
        std::vector<std::uint8_t> data(size);
        for (int i = 0; i < size; ++i) data[i] = std::uint8_t(i % 3 == 0 ? 0x0B : i % 3 == 1 ? 0x8A : 'x');
        if (place < size) data[place] = brk;
        if (place + 3 < size) data[place + 3] = brk ^ 0x07;  // the other break, later
        for (int start = 0; start <= std::min(size, 3); ++start) {
          const std::uint8_t* begin = data.data() + start;
          const std::uint8_t* end = data.data() + size;
          const std::uint8_t* expected =
              std::find_if(begin, end, [](std::uint8_t byte) { return byte == 0x0A || byte == 0x0D; });
          EXPECT_EQ(ascii_scan::FindLineBreak(begin, end), expected) << size << ' ' << place << ' ' << start;
        }
      }
    }
  }
}

// The first high byte from any start, on either side of a block boundary,
// whatever byte values surround it.
TEST(AsciiScan, SkipAsciiStopsAtTheFirstHighByte) {
  for (std::uint8_t high : {std::uint8_t{0x80}, std::uint8_t{0xE3}, std::uint8_t{0xFF}}) {
    for (int size = 0; size <= 40; ++size) {
      for (int place = 0; place <= size; ++place) {
        std::vector<std::uint8_t> data(size);
        for (int i = 0; i < size; ++i) data[i] = std::uint8_t(i % 2 ? 0x7F : 0x00);
        if (place < size) data[place] = high;
        if (place + 5 < size) data[place + 5] = 0x81;
        for (int start = 0; start <= std::min(size, 3); ++start) {
          const std::uint8_t* begin = data.data() + start;
          const std::uint8_t* end = data.data() + size;
          const std::uint8_t* expected = std::find_if(begin, end, [](std::uint8_t byte) { return byte >= 0x80; });
          EXPECT_EQ(ascii_scan::SkipAscii(begin, end), expected) << size << ' ' << place << ' ' << start;
        }
      }
    }
  }
}

// Widening stops at the first high byte or at the end, whichever comes
// first, wherever either falls, writes exactly the bytes before the stop
// as units, and reads nothing past the readable end.
TEST(AsciiScan, WidenAsciiStopsAtTheFirstHighByteOrTheEnd) {
  for (int size = 0; size <= 40; ++size) {
    for (int place = 0; place <= size; ++place) {
      std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
      for (int i = 0; i < size; ++i) data[i] = std::uint8_t('a' + i % 26);
      if (place < size) data[place] = 0xC3;
      for (int end = 0; end <= size; end += 7) {
        std::vector<char16_t> out(static_cast<std::size_t>(size) + 16, u'#');
        char16_t* at = out.data();
        const std::uint8_t* stop = ascii_scan::WidenAscii(data.data(), data.data() + end, data.data() + size, at);
        const int expected = std::min(place, end);
        ASSERT_EQ(stop, data.data() + expected) << size << ' ' << place << ' ' << end;
        ASSERT_EQ(at, out.data() + expected);
        for (int i = 0; i < expected; ++i) ASSERT_EQ(out[i], char16_t(data[i])) << i;
      }
    }
  }
}

}  // namespace
