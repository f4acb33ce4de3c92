#pragma once
// Every command of the program, whatever raised it (menu, key, toolbar
// button, mouse action), runs through Dispatch.  Windows only.
#include <windows.h>

#include <cstdint>

#include "frame/commands/find_commands.h"

namespace dispatcher {

// wParam of WM_COMMAND: the command in the low word, its source in the
// high word.
void Dispatch(WPARAM wparam);
// The editor reported a mouse action (index 0..8) or a gesture being held
// (5..8; anything else ends the feedback).
void MouseCommand(std::uintptr_t index);
void GestureFeedback(std::uintptr_t index);
// A mouse button went down in the editor: a message in the status bar goes.
void MouseDown();

// Registers every room's command handlers; find and replace read their
// texts from fields (the find bar, once it exists).
void Start(FindFields* fields);

}  // namespace dispatcher
