#pragma once
// Linux commands run from the driver under Wine, for what Windows calls
// cannot make there: symbolic links (Wine's CreateSymbolicLinkW does
// nothing) and small volumes.  Wine starts a Linux program like any other.
#include <string>
#include <vector>

namespace e2e {

// The Linux path of a Windows path; empty when there is none.
std::string UnixPath(const std::wstring& path);
// Starts /bin/<command> with the arguments; false when it could not be
// started.  Whether it did its work is for the caller to see.
bool RunUnix(const std::string& command, const std::vector<std::string>& arguments);

// A volume of `kib` KiB (tmpfs, mounted by root) on the folder `folder`,
// made here, for as long as the object lives.  One left mounted by a run
// that was stopped is taken down first.
class SmallVolume {
 public:
  SmallVolume(const std::wstring& folder, unsigned kib);
  SmallVolume(const SmallVolume&) = delete;
  SmallVolume& operator=(const SmallVolume&) = delete;
  ~SmallVolume();
  // Whether the folder is that small volume now.
  bool Mounted() const { return mounted_; }
  const std::string& UnixFolder() const { return unix_folder_; }

 private:
  std::string unix_folder_;
  bool mounted_ = false;
};

}  // namespace e2e
