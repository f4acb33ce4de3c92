#pragma once
// The program from entry to exit: the private heap, the version class, COM
// and help, start-up (settings location, language module, hand-over to a
// running instance or the main window), the message loop and the release
// of everything in order.  Windows-only header.
#include <windows.h>

namespace startup {

// The body of wWinMain; returns the process exit code.
int Run(HINSTANCE instance, int show_command);

}  // namespace startup
