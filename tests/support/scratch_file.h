#pragma once
// A file with given bytes in the temporary folder, removed when the object
// goes.
#include <filesystem>
#include <string>
#include <string_view>

namespace test_support {

class ScratchFile {
 public:
  ScratchFile(std::string_view name, std::string_view bytes);
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile();
  std::u16string Path() const { return path_.u16string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace test_support
