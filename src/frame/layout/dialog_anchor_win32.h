#pragma once
// Where the program's own common dialogs (the colour and file dialogs)
// open: on the active editor when its context menu asked, else on the
// folder tree while the left pane shows, else on the client area.
// Windows-only header.
#include <windows.h>

namespace dialog_anchor {

HWND Window();
// Moves dialog's top-left corner onto the anchor's.
void Place(HWND dialog);

}  // namespace dialog_anchor
