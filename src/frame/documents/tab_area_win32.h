#pragma once
// What the document area's windows share (Windows only): the area, its tab
// strip and status bar, the activation stamps, and the tab operations the
// commands and the tab strip's mouse handling build on.
#include <windows.h>

#include <cstdint>

#include "docs/tabs/tab_stamps.h"
#include "editor/control/document_set.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace tab_area {

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

inline constexpr int kAreaId = 420;
inline constexpr int kTabStripId = 421;
inline constexpr int kStatusBarId = 422;

struct State {
  HWND area = nullptr;
  HWND tabs = nullptr;
  HWND status = nullptr;
  std::int32_t row_height = 0;
  TabStamps stamps;
  // Closing for good: a file changed meanwhile is not offered for reload.
  bool shutting_down = false;
};
State& Area();
DocumentSet& Set();
HWND MainWindow();

// The editor's place below the tab row and above the status bar.
RECT EditorPlace();
void LayOut();

Document* DocumentAt(std::int32_t index);
// The tab of a document; -1 when it has none (also for documents not in
// the set).
std::int32_t IndexOf(const Document* document);
std::int32_t Selected();
// The display name: the path's last part, or the untitled title.
void DisplayName(Document& document, WideString& name);
// Tab text: the display name, "*" when modified, four spaces for the close
// box.
void Retitle(std::int32_t index);
// Encoding and line-break names of the active document.
void RefreshStatus();

// Shows tab index's document, hides the previous one and makes it active;
// a fresh stamp unless keep_stamp.  Then the outside-change check.
void Activate(std::int32_t index, bool keep_stamp);
// Closes tab index; false when the user refused.  keep_one makes a new
// untitled document when the last one goes (and leaves an untouched
// untitled only document alone); no_prompt closes without asking.
bool CloseTab(std::int32_t index, bool keep_one, bool no_prompt);
// Moves the selected tab to index with its text and document.
void MoveSelectedTab(std::int32_t index);
void CheckOutsideChange();
// Save and Save As for one document (Save As also when it has no path);
// failures are shown.
bool Save(Document& document);
bool SaveAs(Document& document);

// The tab strip's mouse behaviour: close boxes and dragging.
void SubclassTabStrip(HWND tabs);
void ResetCloseBoxHover();
// A language string in a message box owned by the main window.
int Ask(unsigned text_id, Document& document, UINT buttons);

}  // namespace tab_area
