// Program entry.
#include <windows.h>

#include "frame/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return startup::Run(instance); }
