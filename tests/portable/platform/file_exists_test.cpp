#include "platform/file_exists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(FileExists, OnlyForAFileThatIsThere) {
  const fs::path folder = fs::temp_directory_path() / "vorndel_file_exists";
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::ofstream(folder / "file.txt") << "x";
  EXPECT_TRUE(byte_file::FileExists((folder / "file.txt").u16string()));
  EXPECT_FALSE(byte_file::FileExists((folder / "missing.txt").u16string()));
  EXPECT_FALSE(byte_file::FileExists(folder.u16string())) << "a folder";
  fs::remove_all(folder);
}
