#pragma once
// The pane's two views, the folder tree and the file list, one shown at a
// time under the tab strip (Windows only).
namespace browser_pane {

enum View : int { kTreeView = 0, kListView = 1 };

// Shows the view with its tab selected, hides the other and gives it the
// focus.
void Show(View view);

}  // namespace browser_pane
