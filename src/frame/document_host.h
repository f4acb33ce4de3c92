#pragma once
// The frame's documents until tabs exist: one editor control per document
// as a child of the main window, the active one filling the client area
// and the others hidden.  A control's window text names its document: the
// full path, or the untitled title.
#include <string_view>

#include "docs/document_opening.h"

namespace document_host {

// The document set over the screen's text measuring, with the editor
// settings and fonts taken from the settings record; false when it cannot
// be made.
bool CreateSet();
// A new untitled document with the default encoding and line breaks, made
// the active one; shows the error message when it cannot be made.
bool NewDocument();
// Opens a file with automatic detection as the active document.
document_opening::Result Open(std::u16string_view path);
// Documents count as tabs in the order they were made (tab 0 the oldest).
int Count();
// Makes tab index the active document; nothing for an index out of range.
void ActivateTab(int index);
// The active document's caret to the start of a line, clamped to the text.
void GoToLine(int line);
// The main window's client area changed.
void Resize(int width, int height);
void FocusActive();
// Every control, before the main window goes.
void DestroyAll();

}  // namespace document_host
