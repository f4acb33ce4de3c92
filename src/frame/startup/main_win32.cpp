// Program entry.
#include <windows.h>

#include "frame/startup/startup_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  return startup::Run(instance, show_command);
}
