#pragma once
// The results of a search in files (Windows only): the second page of the
// right pane, beside the tag tree, with a Stop button over a list of rows
// grouped by file under a summary row.  The list is virtual, so that
// 100,000 rows fill it at once; activating a row (double click or Enter)
// opens its file, or its tab, with the match selected.  The list receives
// the search thread's batches and stops the search when it goes.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tools/find_in_files/search_worker_win32.h"

namespace results_page {

inline constexpr int kListId = 413;
inline constexpr int kStopId = 414;

// The page's windows, hidden, as children of base; false when one cannot
// be made.
bool Create(HWND base, HFONT font);
void Show(bool shown);
// The page fills area of the base.
void Place(const RECT& area);
// The list's notifications and the Stop button; true when handled.
bool Notify(const NMHDR& header, LRESULT& result);
bool Command(WPARAM wparam);
// The Stop button's and the columns' texts, in the font.
void ApplyFontAndLanguage(HFONT font);

// Empties the list and starts the search; false when it could not start
// (a refused pattern's reason in error).
bool Begin(search_worker::Request request, std::u16string& error);

}  // namespace results_page
