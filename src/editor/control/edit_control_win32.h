#pragma once
// The editor control window, class "edit_window_class" (Windows only).
//
// The frame registers the class once, then creates one control per open
// document with Create: a hidden child of the document area, whose
// Document joins the set as its newest element. The frame shows it
// (ShowWindow) when it becomes the active document, fills it (for example
// Document::LoadText, or the file loader through the text store) and calls
// the Document's operations directly. The control reports to its parent
// with the EDN_ messages (WM_APP + 0 to 6).
#include <windows.h>

#include <cstdint>

#include "editor/control/document_set.h"

namespace edit_control {

inline constexpr wchar_t kClassName[] = L"edit_window_class";

// Registers "edit_window_class" for the module; false when it fails.
bool RegisterWindowClass(HINSTANCE instance);

// A new control as a hidden child of parent at (0, y) with the given size;
// builds the shared fonts on the first creation. Null when the document or
// its window could not be made (nothing is left behind then).
Document* Create(DocumentSet& set, HWND parent, std::int32_t y, std::int32_t width, std::int32_t height);
// Unlinks the document from the set and destroys its window and text.
void Destroy(DocumentSet& set, Document* document);
// Every control, at exit.
void DestroyAll(DocumentSet& set);

// The control window of a document made by Create; null when it is gone.
HWND WindowOf(const Document& document);
// The document of a control window; null for other windows.
Document* DocumentOf(HWND window);

// The editor cursors of the settings: the system's arrow and "no" cursors
// and the program module's cursors 110 to 116 (the arrow where one is
// missing). Create loads them when they were not loaded yet.
void LoadCursors(EditorSettings& settings, HINSTANCE program);
// The system's settings changed: the cursors loaded again, and every
// control's scroll bars take the system's width (its text area follows).
void FollowSystemSettings(DocumentSet& set, HINSTANCE program);

// Another window dropping something at point (in its own client
// coordinates) into the control: inside the control's client area the
// control takes the focus and the caret goes there (2); outside, the focus
// goes to the other window (1).
std::int32_t DropPoint(Document& document, HWND from, POINT point);

// The frame's layout: every control to (0, y, width, height), order kept.
// (A new editor font for every control: DocumentSet::RebuildFonts.)
void MoveAll(DocumentSet& set, std::int32_t y, std::int32_t width, std::int32_t height);

}  // namespace edit_control
