#pragma once
// Which Windows release the program runs on, as a small class number.
// Only 0 matters today: start-up refuses to run on an unsupported system.

namespace os_version {

// 0 unsupported; 1 Windows 5.1/5.2; 2 6.0; 3 6.1; 4 6.2; 5 6.3, later 6.x
// and every major version from 7 on.
int Classify(unsigned major, unsigned minor);

}  // namespace os_version
