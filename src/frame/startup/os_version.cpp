#include "frame/startup/os_version.h"

namespace os_version {

int Classify(unsigned major, unsigned minor) {
  if (major >= 7) return 5;
  if (major == 6) return minor >= 3 ? 5 : 2 + static_cast<int>(minor);
  if (major == 5 && (minor == 1 || minor == 2)) return 1;
  return 0;
}

}  // namespace os_version
