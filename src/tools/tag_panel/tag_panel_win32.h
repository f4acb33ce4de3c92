#pragma once
// The tag panel in the right pane (Windows only): a tab strip over a tree
// of the tag library's folders and tags, and a second tab with the results
// of a search in files.  A click (or a double click, as
// the settings say) or a drag into the editor wraps the selection in a
// tag; a Shift-drag reorders; a context menu makes, edits and deletes.
// The tree is the library while the program runs and is written back at
// shutdown.
#include <windows.h>

#include "tools/tag_library.h"

namespace tag_panel {

inline constexpr int kTabStripId = 411;
inline constexpr int kTreeId = 412;

// Makes the panel's windows on the right base, reads the library into the
// tree and takes the base's messages; false when a window cannot be made.
bool Create(HWND base);
// The same with a library in hand, which the tree takes over.  `whole`:
// it was read to its end, so saving may replace the file.
bool CreateWith(HWND base, TagLibrary& library, bool whole);

// The base's messages (size, notifications, mouse, capture, context menu,
// commands 5800-5811, menu drawing); true when one was handled.
bool Handle(HWND base, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

// At shutdown, after the documents closed: the tree written to the user's
// library.  One that was not read whole goes under a new name, which the
// user is told.  False when the user's own library could not be written
// (the old file stays whole).
bool SaveLibrary();

// After a font or language change: the tab strip's font and text, then
// the layout.
void ApplyFontAndLanguage(void* font);

// The results of a search in files take the panel's place (its second tab).
void ShowResults();

// The context menu's items that act on a node are enabled only with one.
bool HasMenuTarget();
// No folder in the tree (or no panel).
bool Empty();

}  // namespace tag_panel
