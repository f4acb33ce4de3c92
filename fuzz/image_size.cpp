// Any bytes as an image file: the size reader must return, stay inside the
// bytes, read no more than the file holds (plus one small fill), and give
// a size only for a format it recognised.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/memory_file.h"
#include "tools/image_size.h"

namespace {

class CountingSource : public byte_file::Source {
 public:
  explicit CountingSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
    const std::size_t got = bytes_.ReadAt(offset, buffer, count);
    if (got > count) std::abort();
    read += got;
    return got;
  }
  bool Size(std::uint64_t* size) override { return bytes_.Size(size); }

  std::uint64_t read = 0;

 private:
  byte_file::MemorySource bytes_;
};

constexpr std::uint64_t kSlack = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CountingSource source({data, size});
  const ImageSize image = ReadImageSize(source);
  if (source.read > size + kSlack) std::abort();
  if ((image.format == ImageFormat::kUnreadable) != (size < 8)) std::abort();
  const bool sized = image.format != ImageFormat::kUnknown && image.format != ImageFormat::kUnreadable;
  if (!sized && (image.width != 0 || image.height != 0)) std::abort();
  if (static_cast<std::int32_t>(image.format) < 0 || static_cast<std::int32_t>(image.format) > 6) std::abort();
  return 0;
}
