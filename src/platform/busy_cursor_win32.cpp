#include "platform/busy_cursor.h"

#include <windows.h>

BusyCursor::BusyCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}

BusyCursor::~BusyCursor() { SetCursor(static_cast<HCURSOR>(previous_)); }
