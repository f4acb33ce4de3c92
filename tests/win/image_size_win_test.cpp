// An image's size read from a file another program holds open: read as it
// stands when that program lets others read, code 6 when it does not.
#include "tools/image_size.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/scratch_file.h"

namespace {

// A PNG header of 300 by 200 pixels.
const std::string kPng("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x01\x2C\0\0\0\xC8", 24);

TEST(ImageSizeWin, AnImageHeldOpenForWritingIsReadWhenItsWriterLetsOthersRead) {
  const test_support::ScratchFile image("held.png", kPng);
  const std::u16string held = image.Path();
  const std::wstring path(held.begin(), held.end());
  struct Case {
    DWORD writer_shares;
    ImageFormat format;
    std::int32_t width, height;
  };
  const Case cases[] = {
      {FILE_SHARE_READ, ImageFormat::kPng, 300, 200},
      {FILE_SHARE_READ | FILE_SHARE_WRITE, ImageFormat::kPng, 300, 200},
      {0, ImageFormat::kUnreadable, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("writer shares " + std::to_string(c.writer_shares));
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, c.writer_shares, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const ImageSize size = ReadImageSize(held);
    CloseHandle(writer);
    EXPECT_EQ(size.format, c.format);
    EXPECT_EQ(size.width, c.width);
    EXPECT_EQ(size.height, c.height);
  }
}

}  // namespace
