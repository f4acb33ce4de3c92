#include "support/scratch_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace test_support {

namespace fs = std::filesystem;

// Test programs run in parallel, in more than one worktree: a random prefix
// keeps their files apart.
ScratchFile::ScratchFile(std::string_view name, std::string_view bytes)
    : path_(fs::temp_directory_path() / fs::path(std::to_string(std::random_device()()) + "_" + std::string(name))) {
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchFile::~ScratchFile() {
  std::error_code ignored;
  fs::remove(path_, ignored);
}

ScratchFolder::ScratchFolder(std::string_view name)
    : folder_(fs::temp_directory_path() / fs::path(std::to_string(std::random_device()()) + "_" + std::string(name))) {
  fs::create_directories(folder_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder_, ignored))
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
  fs::remove_all(folder_, ignored);
}

void ScratchFolder::Put(std::string_view name, std::string_view bytes) const {
  std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ScratchFolder::Get(std::string_view name) const { return FileBytes(folder_ / name); }

std::vector<std::string> ScratchFolder::Names() const {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace test_support
