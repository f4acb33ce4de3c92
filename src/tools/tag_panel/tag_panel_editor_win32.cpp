#include "tools/tag_panel/tag_panel_editor_win32.h"

#include "editor/control/edit_control_win32.h"
#include "base/frame_state.h"
#include "tools/tag_insertion.h"

namespace tag_panel_editor {
namespace {

bool return_focus = false;

Document* Active() { return Frame().documents ? Frame().documents->Active() : nullptr; }

void FocusEditor() {
  Document* document = Active();
  if (HWND editor = document ? edit_control::WindowOf(*document) : nullptr) SetFocus(editor);
}

}  // namespace

void Insert(const TagEntry& tag, HWND tree) {
  tag_insertion::InsertTag(Active(), tag);
  FocusEditor();
  return_focus = true;
  // Whether the click focuses the tree before or after its notification,
  // only that click's focus goes back.
  PostMessageW(tree, kInsertionDone, 0, 0);
}

void InsertionDone() { return_focus = false; }

bool HandBackFocus() {
  if (!return_focus) return false;
  return_focus = false;
  FocusEditor();
  return true;
}

void StartDrop() {
  if (Document* document = Active()) document->ClearSelection();
}

std::int32_t DropAt(HWND from, POINT point) {
  Document* document = Active();
  return document ? edit_control::DropPoint(*document, from, point) : 1;
}

}  // namespace tag_panel_editor
