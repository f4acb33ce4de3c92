#pragma once
// The active editor as the tag panel reaches it: insertion with the focus
// handed to the editor, and the drop point of a tag dragged over it.
#include <windows.h>

#include <cstdint>

#include "tools/tag_library.h"

namespace tag_panel_editor {

inline constexpr UINT kInsertionDone = WM_APP + 1;

// Wraps the active document's selection in the tag and gives the editor
// the focus.  The tree, which the click may focus after this, hands it
// back until kInsertionDone, posted to it now, arrives.
void Insert(const TagEntry& tag, HWND tree);
// The tree got the focus: back to the editor after an insertion; true
// when the focus was handed on.
bool HandBackFocus();
// kInsertionDone: a later focus stays in the tree.
void InsertionDone();

// A tag dragged over the editor: its selection collapsed at the start,
// then the caret follows the point (in from's client pixels).  2 inside
// the editor, 1 outside it or without one.
void StartDrop();
std::int32_t DropAt(HWND from, POINT point);

}  // namespace tag_panel_editor
