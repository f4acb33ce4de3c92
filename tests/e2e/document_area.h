#pragma once
// The program's document area seen from the driver: tab texts, the
// selected tab and status-bar parts.  Common-control messages carry
// pointers that Windows does not marshal between processes, so their
// buffers live inside the program.
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/driver.h"

namespace e2e {

HWND TabStrip(HWND main_window);
std::vector<std::wstring> TabTexts(HWND main_window);
int SelectedTab(HWND main_window);
std::wstring StatusText(HWND main_window, int part);
// The middle of tab index's close box, in the tab strip's client pixels.
POINT CloseBoxCentre(HWND main_window, int index);
// Waits until the tab texts are the expected ones.
bool WaitForTabs(HWND main_window, const std::vector<std::wstring>& expected, DWORD timeout_ms = 10000);
// Presses a button (IDYES, IDNO, IDCANCEL) of the message box.
void Answer(HWND box, int button);
// Posts a close request and answers every save prompt with No until the
// program ends; false when it did not end in time.
bool CloseDiscarding(Program& program, HWND main_window);

}  // namespace e2e
