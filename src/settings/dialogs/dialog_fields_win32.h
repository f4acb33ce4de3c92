#pragma once
// The editing dialogs' number fields held to their range, and their ending
// by OK or Cancel.  Windows-only header.
#include <windows.h>

#include <cstdint>


namespace dialog_fields {

// The number in the field held to low..high; the field shows the held
// value afterwards.
std::int32_t HoldInRange(HWND dialog, int id, std::int32_t low, std::int32_t high);
// OK (apply, then end) or Cancel (end): true when command was one of them.
bool EndedByCommand(HWND dialog, int command, void (*apply)(HWND dialog));

}  // namespace dialog_fields
