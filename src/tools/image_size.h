#pragma once
// The width and height of an image, read from the file's own header: BMP,
// PNG, JPEG, TIFF and GIF. Never fails loudly: whatever could not be read
// stays 0.
#include <cstdint>
#include <string_view>

#include "platform/file_source.h"

enum class ImageFormat : std::int32_t {
  kUnknown = 0,
  kBmp = 1,
  kPng = 2,
  kJpeg = 3,
  kTiff = 4,
  kGif = 5,
  kUnreadable = 6,  // not opened, or shorter than 8 bytes
};

struct ImageSize {
  ImageFormat format = ImageFormat::kUnknown;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

ImageSize ReadImageSize(byte_file::Source& source);
// Opens the file alongside other programs, writers included: an image a
// program still holds open for writing, letting others read, is sized as
// it stands.
ImageSize ReadImageSize(std::u16string_view path);
