#pragma once
// A file with given bytes in the temporary folder, removed when the object
// goes; and a folder of its own for tests that look at every file a step
// leaves.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

// A new, empty folder in the temporary folder, removed with all it holds
// (read-only files too) when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view name);
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  const std::filesystem::path& Folder() const { return folder_; }
  std::u16string Path(std::string_view name) const { return (folder_ / name).u16string(); }
  void Put(std::string_view name, std::string_view bytes) const;
  // The file's bytes; empty when it is not there.
  std::string Get(std::string_view name) const;
  // The names of what the folder holds, sorted.
  std::vector<std::string> Names() const;

 private:
  std::filesystem::path folder_;
};

// The whole file; empty when it cannot be read.
std::string FileBytes(const std::filesystem::path& path);

}  // namespace test_support
