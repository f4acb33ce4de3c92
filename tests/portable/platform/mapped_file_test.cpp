#include "platform/mapped_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/scratch_file.h"

namespace {
// 2020-01-01 and 2100-01-01 as FILETIME values.
constexpr std::uint64_t k2020 = 132223104000000000ull;
constexpr std::uint64_t k2100 = 157469184000000000ull;
}  // namespace

TEST(MappedFile, MapsTheWholeFileAndReportsItsTime) {
  test_support::ScratchFile scratch("mapped.txt", "mapped bytes");
  MappedFile file;
  ASSERT_EQ(file.Open(scratch.Path().c_str()), MappedFile::OpenResult::kOpened);
  EXPECT_EQ(file.Size(), 12u);
  EXPECT_GT(file.LastWriteTime(), k2020);
  EXPECT_LT(file.LastWriteTime(), k2100);
  ASSERT_TRUE(file.Map());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.Data()), 12), "mapped bytes");
  file.DoneWith(file.Data(), file.Data() + 12);  // pages come back from the file when read again
  EXPECT_EQ(file.Data()[0], 'm');
}

TEST(MappedFile, EmptyMissingAndUnopenable) {
  test_support::ScratchFile scratch("empty.txt", "");
  MappedFile file;
  ASSERT_EQ(file.Open(scratch.Path().c_str()), MappedFile::OpenResult::kOpened);
  EXPECT_EQ(file.Size(), 0u);
  EXPECT_GT(file.LastWriteTime(), k2020);
  EXPECT_FALSE(file.Map());

  std::u16string missing = scratch.Path() + u".missing";
  EXPECT_EQ(file.Open(missing.c_str()), MappedFile::OpenResult::kMissing);
  std::u16string missing_folder = scratch.Path() + u".missing/file.txt";
  EXPECT_EQ(file.Open(missing_folder.c_str()), MappedFile::OpenResult::kMissing);
  // A folder exists but is no file.
  EXPECT_EQ(file.Open(std::filesystem::temp_directory_path().u16string().c_str()), MappedFile::OpenResult::kFailed);
  EXPECT_EQ(file.Size(), 0u);
}
