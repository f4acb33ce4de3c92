#pragma once
// The mouse messages of "edit_window_class" (Windows only), handed on to
// the control's document.
#include <windows.h>

#include "editor/control/document.h"

namespace edit_control {

// False for messages that are not pointer messages; otherwise true with
// the window procedure's answer in result (the default handling already
// run where it belongs).
bool HandleMouseMessage(HWND window, Document& document, UINT message, WPARAM wparam, LPARAM lparam,
                        LRESULT& result);

}  // namespace edit_control
