#include "support/scratch_file.h"

#include <fstream>
#include <random>

namespace test_support {

// Test programs run in parallel, in more than one worktree: a random prefix
// keeps their files apart.
ScratchFile::ScratchFile(std::string_view name, std::string_view bytes)
    : path_(std::filesystem::temp_directory_path() /
            std::filesystem::path(std::to_string(std::random_device()()) + "_" + std::string(name))) {
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchFile::~ScratchFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace test_support
