#pragma once
// The open documents as tabs of the document area: one editor control per
// tab, the selected one shown.  Making, opening, activating, saving and
// closing documents, the prompts before changes are lost, files changed by
// other programs, recent files and bookmarks.
#include <cstdint>
#include <string_view>

#include "docs/document_opening.h"
#include "settings/settings.h"

namespace document_tabs {

// The document set over the screen's text measuring, with the editor
// settings and fonts taken from the settings record; false when it cannot
// be made.
bool CreateSet();
// The document area with its tab strip and status bar as a child of the
// client window; false when a window cannot be made.
bool CreateArea(void* parent);
// The area to the given place in the main window's client area.
void PlaceArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
// The height of one row of tabs, for the panes beside the area.
std::int32_t TabRowHeight();

// A new untitled document made the active one; shows the error message when
// it cannot be made.
bool NewDocument();
// Opens a file (choice an EncodingId, kAutoDetect included) and, when it was
// newly loaded, does what follows every open: bookmark marks, the default
// encoding for single-byte text, the status bar, the recent-files list and
// the remembered line.  Failures are shown.
document_opening::Result OpenAndFollow(std::u16string_view path, int choice);
// The folder of the active document's file (or the default folder) becomes
// the start folder of the file dialogs.
void RememberFolder();

// After a new user-interface font or language module: the tab strip and
// status bar take the font (the tab row is measured again), untitled tabs
// the new untitled title, the status bar the new encoding names.
void ApplyFontAndLanguage(void* font);
// A message in the status bar's first part; empty clears it.
void ShowStatusMessage(std::u16string_view text);

std::int32_t Count();
// Selects and shows tab index; nothing for an index out of range.
void ActivateTab(std::int32_t index);
// The active document's caret to the start of a line, clamped to the text.
void GoToLine(std::int32_t line);
// The active document's columns start..end of a line selected, both
// clamped to the text, the caret at end.
void SelectInLine(std::int32_t line, std::int32_t start, std::int32_t end);
void FocusActive();

// Runs a document command (new, open, save, close, recent files,
// bookmarks); false when the command is not one of these.
bool RunCommand(std::uint16_t command);
// The application became active: the outside-change check of the active
// document.
void ApplicationActivated();
// Files dropped on the main window (an HDROP).
void Drop(void* drop);

// At shutdown: the documents in tab order for the reopen list, then every
// tab closed with its prompt (none when the logon ends).  False, all
// remaining documents kept, when the user refused a close.
bool CloseAllForShutdown(bool logoff, OpenDocumentsSnapshot* snapshot);

}  // namespace document_tabs
