#pragma once
// The rebar at the top of the main window and its three toolbars: the menu
// bar, the tool bar and the find bar (Windows only).
#include <windows.h>

#include <string_view>

class FindFields;

namespace toolbars {

inline constexpr int kRebarId = 200;
inline constexpr int kMenuBarId = 201;
inline constexpr int kToolBarId = 202;
inline constexpr int kFindBarId = 203;

// Makes the tooltip window, the rebar with its bands and the find bar (a
// band only while shown); false when a window cannot be made.
bool Create(HWND main_window, HFONT font);
HWND Rebar();

// After a new user-interface font or language module: the bars, labels and
// boxes take the font, their texts are read again, and buttons, boxes and
// bands are sized anew.
void ApplyFontAndLanguage(HFONT font);
// One row of bands: the last one takes what the row leaves; two rows: the
// second band fills the first row.
void FillRows();
// The tooltips' texts (command name and shortcut) read again, as after a
// key-binding change.
void RefreshTooltips();

// The buttons' states from the active document and the options.
void RefreshStates();
// Custom drawing and the menu bar's drop-downs, as the rebar passes them
// on; false when the notification is not theirs.
bool Notify(const NMHDR& header, LRESULT& result);

// The find bar: shown or hidden (the focus leaves it first), and the find
// command's focus with an optional one-line text.
bool FindBarShown();
void ShowFindBar(bool shown);
void FocusFindBox(std::u16string_view selection);
FindFields& Fields();
// Whatever was searched goes into the settings before they are written.
void KeepHistories();

}  // namespace toolbars
