#pragma once
// The main window's side of holding messages during a prompt (Windows
// only): each entry point answers whether the message was taken here (held,
// ignored or done) so that the window procedure does not run it as well.
#include <windows.h>

namespace held_messages {

// WM_COMMAND; true when held.
bool Command(HWND main, WPARAM wparam);
// WM_COPYDATA; the names are copied when held.  True when taken.
bool HandOver(HWND main, const COPYDATASTRUCT* data);
// WM_CLOSE; true when held.
bool CloseRequest(HWND main);
// WM_QUERYENDSESSION: snapshots of every modified document; the answer.
LRESULT SessionQuery();
// WM_ENDSESSION.
void SessionEnd(HWND main, bool ending);
// WM_ENABLE: a prompt is over; a message is posted so that the main
// message loop wakes up.
void Enabled(HWND main, bool enabled);
// That message; it does nothing itself, so anyone may post it.
inline constexpr UINT kRunHeld = WM_APP + 0x100;
// Runs what waited, in order.  Called by the main message loop only: a
// prompt's own loop may still be running when the window is enabled again.
void RunHeld(HWND main);

}  // namespace held_messages
