#pragma once
// The insertion and external-program commands as the dispatcher runs them
// (Windows only): comment, colour and date; programs 5511-5518 on the
// active document, help and the About window.
#include <windows.h>

#include <cstdint>

#include "editor/control/document.h"

namespace tool_commands {

// False when the command is not one of these.  The colour dialog opens
// with its top-left corner on anchor's.
bool Run(std::uint16_t command, Document* active, HWND main_window, HWND anchor);

}  // namespace tool_commands
