#pragma once
// A window's or dialog field's whole text, however long, and setting one
// from text that need not end in a NUL.  Windows-only header.
#include <windows.h>

#include <string_view>

#include "platform/wide_string.h"

namespace window_text {

// False (text untouched) when memory runs out.
bool Read(HWND window, WideString& text);
bool Read(HWND dialog, int id, WideString& text);
void Show(HWND window, std::u16string_view text);
void Show(HWND dialog, int id, std::u16string_view text);

}  // namespace window_text
