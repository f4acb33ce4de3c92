#pragma once
// Handing command-line file names to an instance that is already running,
// and taking them in there.  Windows-only header.
#include <windows.h>

#include "platform/wide_string.h"

namespace single_instance {

// How long a second instance waits for the running one to take its names;
// a hung instance must not hang whoever started the second one.
inline constexpr UINT kHandOverTimeoutMs = 10000;

// Restores and raises the running instance's main window and sends it
// args[1..count-1] (empty ones left out).
void HandOver(HWND running, const char16_t* const* args, int count);

// WM_COPYDATA of the main window: opens every whole name in the block.
// (While a prompt is up the names wait: see held_messages.)
void Receive(const COPYDATASTRUCT* data);
// The names of a block, copied; false for a block that holds none.
bool TakeNames(const COPYDATASTRUCT* data, WideString& units);
void OpenNames(const WideString& units);

}  // namespace single_instance
