// Image sizes from hand-made headers of each format, whole, cut short or
// malformed.
#include "tools/image_size.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
Bytes Ascii(std::string_view text) { return Bytes(text.begin(), text.end()); }
Bytes Number(std::uint32_t value, int size, bool big_endian) {
  Bytes bytes(static_cast<std::size_t>(size));
  for (int i = 0; i < size; ++i) bytes[big_endian ? size - 1 - i : i] = static_cast<std::uint8_t>(value >> (8 * i));
  return bytes;
}
Bytes Le32(std::uint32_t v) { return Number(v, 4, false); }

Bytes Tiff(bool big, std::uint32_t directory, std::uint16_t entries) {
  return Ascii(big ? std::string_view("MM\0*", 4) : std::string_view("II*\0", 4)) + Number(directory, 4, big) +
         Number(entries, 2, big);
}
Bytes Entry(bool big, std::uint16_t tag, std::uint16_t type, std::uint32_t value) {
  const Bytes field = type == 3 ? Number(value, 2, big) + Bytes{0, 0} : Number(value, 4, big);
  return Number(tag, 2, big) + Number(type, 2, big) + Number(1, 4, big) + field;
}
// A frame header of 32 lines of 48 samples.
Bytes Frame(std::uint8_t marker) { return {0xFF, marker, 0x00, 0x11, 0x08, 0x00, 0x20, 0x00, 0x30}; }
Bytes App(std::uint16_t length) { return Bytes{0xFF, 0xE1} + Number(length, 2, true) + Bytes(length - 2u, 0xAB); }

TEST(ImageSize, EachFormatsHeaderGivesWhatCouldBeReadAndZeroForTheRest) {
  const Bytes soi = {0xFF, 0xD8};
  const Bytes png = Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A} + Number(13, 4, true) + Ascii("IHDR");
  const Bytes bmp = Ascii("BM") + Bytes(16, 0) + Le32(640);
  struct Case {
    const char* name;
    Bytes bytes;
    ImageFormat format;
    std::int32_t width, height;
  };
  const Case cases[] = {
      {"bmp", bmp + Le32(480), ImageFormat::kBmp, 640, 480},
      {"bmp top-down", bmp + Le32(static_cast<std::uint32_t>(-480)), ImageFormat::kBmp, 640, -480},
      {"png", png + Number(300, 4, true) + Number(200, 4, true), ImageFormat::kPng, 300, 200},
      {"gif", Ascii("GIF87a") + Bytes{10, 0, 20, 0}, ImageFormat::kGif, 10, 20},
      {"jpeg c0", soi + App(4) + Frame(0xC0), ImageFormat::kJpeg, 48, 32},
      {"jpeg c2", soi + Frame(0xC2), ImageFormat::kJpeg, 48, 32},
      {"jpeg c3", soi + Frame(0xC3) + Bytes{0xFF, 0xD9}, ImageFormat::kJpeg, 0, 0},
      {"jpeg d9 first", soi + Bytes{0xFF, 0xD9} + Frame(0xC0), ImageFormat::kJpeg, 0, 0},
      {"jpeg length 1", soi + Bytes{0xFF, 0xE0, 0x00, 0x01} + Frame(0xC0), ImageFormat::kJpeg, 0, 0},
      {"jpeg fill bytes", soi + Bytes{0x00, 0x12, 0xFF, 0xFF} + Frame(0xC1), ImageFormat::kJpeg, 48, 32},
      {"jpeg cut in segment", soi + Bytes{0xFF, 0xE0, 0x00, 0x40, 0xFF, 0xC0}, ImageFormat::kJpeg, 0, 0},
      {"jpeg cut in width", soi + Bytes{0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 0x20, 0x00}, ImageFormat::kJpeg, 0, 32},
      {"jpeg far frame", soi + App(65535) + App(65535) + Bytes(100000, 0) + Frame(0xC0), ImageFormat::kJpeg, 48, 32},
      {"tiff ii", Tiff(false, 8, 3) + Entry(false, 259, 3, 1) + Entry(false, 256, 3, 64) + Entry(false, 257, 4, 48),
       ImageFormat::kTiff, 64, 48},
      {"tiff mm", Tiff(true, 8, 2) + Entry(true, 256, 4, 65536) + Entry(true, 257, 3, 48), ImageFormat::kTiff, 65536,
       48},
      {"tiff rational", Tiff(true, 8, 2) + Entry(true, 256, 5, 64) + Entry(true, 257, 3, 48), ImageFormat::kTiff, 0,
       48},
      {"tiff tag 0", Tiff(false, 8, 2) + Entry(false, 0, 3, 1) + Entry(false, 256, 3, 64), ImageFormat::kTiff, 0, 0},
      {"tiff offset 0", Tiff(false, 0, 1) + Entry(false, 256, 3, 64), ImageFormat::kTiff, 0, 0},
      {"tiff offset past end", Tiff(false, 4096, 1) + Entry(false, 256, 3, 64), ImageFormat::kTiff, 0, 0},
      {"tiff entries cut", Tiff(false, 8, 900) + Entry(false, 256, 3, 64), ImageFormat::kTiff, 64, 0},
      {"unknown", Ascii(std::string_view("MM\0+1234", 8)), ImageFormat::kUnknown, 0, 0},
      {"7 bytes", Ascii("GIF89a\x01"), ImageFormat::kUnreadable, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    byte_file::MemorySource source(c.bytes);
    const ImageSize size = ReadImageSize(source);
    EXPECT_EQ(size.format, c.format);
    EXPECT_EQ(size.width, c.width);
    EXPECT_EQ(size.height, c.height);
  }
}

}  // namespace
