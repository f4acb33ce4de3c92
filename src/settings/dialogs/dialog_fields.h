#pragma once
// The dialogs' fields as the program reads and fills them: texts of any
// length, and number fields held to their range; and their ending by OK or
// Cancel.  Windows-only header.
#include <windows.h>

#include <cstdint>

#include "platform/wide_string.h"

namespace dialog_fields {

// The field's whole text; false when memory ran out.
bool ReadText(HWND dialog, int id, WideString& text);
void ShowText(HWND dialog, int id, const WideString& text);
// The number in the field held to low..high; the field shows the held
// value afterwards.
std::int32_t HoldInRange(HWND dialog, int id, std::int32_t low, std::int32_t high);
// OK (apply, then end) or Cancel (end): true when command was one of them.
bool EndedByCommand(HWND dialog, int command, void (*apply)(HWND dialog));

}  // namespace dialog_fields
