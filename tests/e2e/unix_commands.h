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

}  // namespace e2e
