// A file another program holds open without sharing exists but cannot be
// read: loading it must fail rather than give an empty document.
#include <windows.h>

#include <gtest/gtest.h>

#include "docs/text_file_loader.h"
#include "platform/mapped_file.h"
#include "support/scratch_file.h"
#include "support/fixed_width_layout.h"
#include "support/store_text.h"

TEST(TextFileLoaderWin, FileLockedByAnotherProgramFails) {
  test_support::ScratchFile scratch("locked.txt", "do not lose me");
  std::u16string path = scratch.Path();
  HANDLE locked = CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_READ | GENERIC_WRITE, 0,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  MappedFile file;
  EXPECT_EQ(file.Open(path.c_str()), MappedFile::OpenResult::kFailed);
  FixedWidthLayout layout;
  LoadedText text(layout, 0);
  EXPECT_EQ(LoadIntoDocument(text, path.c_str(), kAutoDetect), kLoadFailed);
  EXPECT_TRUE(text.path.Empty());
  CloseHandle(locked);
  EXPECT_EQ(LoadIntoDocument(text, path.c_str(), kAutoDetect), kLoadedText);
  EXPECT_EQ(StoreLines(text.store), std::vector<std::u16string>{u"do not lose me"});
}
