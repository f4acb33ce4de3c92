#include "tools/image_size.h"

#include <cstring>

#include "platform/heap_block.h"
#include "tools/source_reader.h"

namespace {

ImageFormat FormatOf(const std::uint8_t (&head)[8]) {
  static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (head[0] == 'G' && head[1] == 'I' && head[2] == 'F') return ImageFormat::kGif;
  if (head[0] == 'I' && head[1] == 'I' && head[2] == 0x2A) return ImageFormat::kTiff;
  if (head[0] == 'B' && head[1] == 'M') return ImageFormat::kBmp;
  if (head[0] == 'M' && head[1] == 'M' && head[3] == 0x2A) return ImageFormat::kTiff;
  if (std::memcmp(head, kPng, 8) == 0) return ImageFormat::kPng;
  if (head[0] == 0xFF && head[1] == 0xD8) return ImageFormat::kJpeg;
  return ImageFormat::kUnknown;
}

// Two values at a fixed offset, one after the other.
void ReadPair(SourceReader& reader, std::uint64_t offset, bool big_endian, bool wide, ImageSize& size) {
  reader.Seek(offset);
  const auto next = [&] {
    return static_cast<std::int32_t>(wide ? reader.Read32(big_endian) : reader.Read16(big_endian));
  };
  size.width = next();
  size.height = next();
}

void ReadJpeg(SourceReader& reader, ImageSize& size) {
  reader.Seek(2);
  std::uint8_t marker = 0;
  while (reader.SkipTo(0xFF)) {
    do {
      if (!reader.Byte(marker)) return;
    } while (marker == 0xFF);
    switch (marker) {
      case 0xC0:
      case 0xC1:
      case 0xC2:
        reader.Skip(3);  // segment length and sample precision
        size.height = reader.Read16(true);
        size.width = reader.Read16(true);
        return;
      case 0xD8:
        break;
      case 0xD9:
      case 0xDA:
        return;
      default: {
        const std::uint16_t length = reader.Read16(true);
        if (length < 2) return;
        reader.Skip(length - 2u);
      }
    }
  }
}

void ReadTiff(SourceReader& reader, bool big_endian, ImageSize& size) {
  reader.Seek(4);
  const std::uint32_t directory = reader.Read32(big_endian);
  if (directory == 0) return;
  reader.Seek(directory);
  const std::uint16_t entries = reader.Read16(big_endian);
  for (std::uint32_t i = 0; i < entries; ++i) {
    const std::uint16_t tag = reader.Read16(big_endian);
    if (tag == 0) return;
    if (tag != 256 && tag != 257) {
      reader.Skip(10);
      continue;
    }
    const std::uint16_t type = reader.Read16(big_endian);
    reader.Skip(4);  // count
    std::int32_t& value = tag == 256 ? size.width : size.height;
    if (type == 3) {
      value = reader.Read16(big_endian);
      reader.Skip(2);
    } else if (type == 4) {
      value = static_cast<std::int32_t>(reader.Read32(big_endian));
    } else {
      reader.Skip(4);
    }
    if (size.width != 0 && size.height != 0) return;
  }
}

}  // namespace

ImageSize ReadImageSize(byte_file::Source& source) {
  ImageSize size;
  heap::Block buffer;
  if (!buffer.Allocate(SourceReader::kCapacity)) {
    size.format = ImageFormat::kUnreadable;
    return size;
  }
  SourceReader reader(source, buffer.Data());
  std::uint8_t head[8];
  if (!reader.Read(head, sizeof head)) {
    size.format = ImageFormat::kUnreadable;
    return size;
  }
  size.format = FormatOf(head);
  switch (size.format) {
    case ImageFormat::kBmp: ReadPair(reader, 18, false, true, size); break;
    case ImageFormat::kPng: ReadPair(reader, 16, true, true, size); break;
    case ImageFormat::kGif: ReadPair(reader, 6, false, false, size); break;
    case ImageFormat::kJpeg: ReadJpeg(reader, size); break;
    case ImageFormat::kTiff: ReadTiff(reader, head[0] == 'M', size); break;
    default: break;
  }
  return size;
}

ImageSize ReadImageSize(std::u16string_view path) {
  const std::unique_ptr<byte_file::Source> source =
      byte_file::OpenFileSource(path, byte_file::Sharing::kReadersAndWriters);
  if (!source) return {ImageFormat::kUnreadable, 0, 0};
  return ReadImageSize(*source);
}
