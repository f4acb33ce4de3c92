#pragma once
// The file browser's background worker (Windows only): a thread of its
// own, with a message-only window of class "shell_msg_class", that decides
// whether a folder node has children, so that slow or large folders never
// hold up the window.  Requests are posted to it; an answer that changes
// the node's expand button is sent back to the window that asked, which
// looks the node up by serial on its own thread.  The thread lives from
// start-up until after the message loop: Stop joins it.
#include <windows.h>

#include <cstdint>

#include "platform/shell_namespace_win32.h"
#include "tools/file_browser/tree_rules.h"

namespace shell_worker {

inline constexpr UINT kRequest = WM_APP;
inline constexpr UINT kPurge = WM_APP + 1;
// To the asking window: wparam the node's serial, lparam a
// tree_rules::ButtonChange (kAdd or kRemove).
inline constexpr UINT kAnswer = WM_APP + 2;

// Starts the thread; false when it cannot be made (nodes then keep their
// buttons).
bool Start();
// Waits until the worker's window exists; false when it never will.
bool Ready();

// Asks about one node: the record waits in the worker's request table and
// the message posted to the worker carries only its serial.
bool Ask(HWND receiver, std::uint32_t serial, tree_rules::NodeType type, tree_rules::NodeKind kind,
         PCIDLIST_ABSOLUTE item, tree_rules::CheckMode mode);
// Drops every request still queued.
void Purge();
// From now on requests are dropped unanswered and an enumeration under way
// gives up at its next item.
void SetStopping();
bool Stopping();
// Stops and joins the thread, answering sent messages while it waits; a
// thread still stuck in the shell after half a second is left to the
// process's end.  False in that case.
bool Stop();

// Request records not yet freed.
int LiveRequests();

}  // namespace shell_worker
