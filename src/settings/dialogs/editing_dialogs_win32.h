#pragma once
// The dialogs that edit the editor's look and the bookmark and quick-tag
// lists: each runs modal to `owner`, applies on OK and changes nothing on
// Cancel.  Windows-only header.
#include <windows.h>

namespace editing_dialogs {

// Template 2300: face, size, line spacing, tab width and auto-indent.
void EditFont(HWND owner);
// Template 2400: the fifteen editor colours.
void EditColours(HWND owner);
// Template 2500: the twenty bookmark rows.
void EditBookmarks(HWND owner);
// Template 2700: the twenty quick tags.
void EditQuickTags(HWND owner);

}  // namespace editing_dialogs
