#pragma once
// The close sequence of the main window (WM_CLOSE, or WM_ENDSESSION when
// Windows ends the user's logon).

namespace shutdown {

// Closes what the frame holds and releases the accelerator table.  Returns
// false when a close was refused and the program keeps running.
// logoff: Windows is ending the session, so nothing may ask the user.
bool Run(bool logoff);

}  // namespace shutdown
