#pragma once
// The folder tree of the file browser (Windows only), control 402: the
// desktop and the favourites as two roots over the shell namespace, kept
// current by change notifications, with a background check of which
// folders have children.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>

#include "platform/shell_namespace_win32.h"
#include "tools/file_browser/shell_events.h"
#include "tools/file_browser/tree_commands.h"

namespace folder_tree {

inline constexpr int kId = 402;
// The shell's change events arrive at the pane's base as this message.
inline constexpr UINT kShellChange = WM_APP + 1000;

// The tree as a child of base with its two roots, each expanded as the
// settings ask, and the change notifications registered; false when the
// window cannot be made.
bool Create(HWND base, HFONT font);
HWND Window();

// The tree's notifications to the base; true when handled (result set).
bool Notify(const NMHDR& header, LRESULT& result);
// The background worker's answer for the node with this serial.
void Answer(std::uint32_t serial, tree_rules::ButtonChange change);
// A change event with its items (either may be missing).
void ShellChange(shell_events::Event event, const shell_namespace::ItemList& first,
                 const shell_namespace::ItemList& second);

// The context menu at a screen point (-1, -1 from the keyboard: at the
// selected node), owned by base; the chosen command runs.
void ContextMenu(HWND base, LPARAM point);
std::array<int, tree_commands::kCount> CommandStates();
void Command(std::uint16_t command);

// The font, and the favourites root's text from the language module.
void ApplyFontAndLanguage(HFONT font);

// At shutdown, after the close prompts: every node and its record freed,
// the change notifications deregistered.
void Shutdown();

}  // namespace folder_tree
