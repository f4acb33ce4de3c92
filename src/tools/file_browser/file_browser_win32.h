#pragma once
// The file browser in the left pane (Windows only): a tab strip over two
// views, the folder tree and the file list of the folder chosen in it.
// The frame makes it in the pane's base window and routes the base's
// messages to HandleMessage.
#include <windows.h>

#include <array>
#include <cstdint>

#include "tools/file_browser/tree_commands.h"

namespace file_browser {

inline constexpr int kTabStripId = 401;

// The tab strip, tree and list as children of base, the tree filled; false
// when a window cannot be made.
bool Create(HWND base);
// The base's messages (a pane_bases::PaneContent); true when handled.
bool HandleMessage(HWND base, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

// After a font or language change: the font and texts of the tab strip,
// the tree and the list, then the layout.
void ApplyFontAndLanguage(void* font);
// The list's selection brought in line with the active document.
void SyncFileListSelection();
// The states of the folder tree's context-menu items 5700..5704.
std::array<int, tree_commands::kCount> FolderTreeStates();

// Once the close prompts have passed: the worker told to stop with its
// queue dropped, every node freed, the notifications deregistered and the
// list emptied.  The worker's thread is joined after the message loop.
void Shutdown();

}  // namespace file_browser
