#include "frame/startup/held_messages.h"

#include <deque>
#include <utility>

#include "frame/commands/dispatcher_win32.h"
#include "frame/documents/recovery.h"
#include "frame/startup/prompt_hold.h"
#include "frame/startup/shutdown.h"
#include "frame/startup/single_instance_win32.h"
#include "platform/wide_string.h"
#include "tools/about_window_win32.h"

namespace held_messages {
namespace {

using prompt_hold::Action;
using prompt_hold::Arrival;

struct Held {
  Arrival arrival = Arrival::kCommand;
  WPARAM command = 0;
  WideString names;
};

std::deque<Held> held;
prompt_hold::Session session;

bool PromptOpen(HWND main) { return !IsWindowEnabled(main) && !about_window::Showing(); }

// The end of the session: nothing asks, the snapshots stay for the next
// start, and the window goes.
void EndWithoutPrompts(HWND main) {
  if (shutdown::Run(true)) DestroyWindow(main);
}

void Hold(Held item) { held.push_back(std::move(item)); }

}  // namespace

bool Command(HWND main, WPARAM wparam) {
  // Notifications from the window's own controls are no commands.
  if (HIWORD(wparam) > 1 || !prompt_hold::OpensOrClosesDocuments(LOWORD(wparam))) return false;
  if (prompt_hold::Decide(Arrival::kCommand, PromptOpen(main), session) != Action::kHold) return false;
  Hold({Arrival::kCommand, wparam, {}});
  return true;
}

bool HandOver(HWND main, const COPYDATASTRUCT* data) {
  if (prompt_hold::Decide(Arrival::kHandOver, PromptOpen(main), session) != Action::kHold) return false;
  Held item{Arrival::kHandOver, 0, {}};
  if (single_instance::TakeNames(data, item.names)) Hold(std::move(item));
  return true;
}

bool CloseRequest(HWND main) {
  if (prompt_hold::Decide(Arrival::kCloseRequest, PromptOpen(main), session) != Action::kHold) return false;
  Hold({Arrival::kCloseRequest, 0, {}});
  return true;
}

LRESULT SessionQuery() {
  prompt_hold::Decide(Arrival::kSessionQuery, false, session);
  recovery::SnapshotAllNow();
  return TRUE;
}

void SessionEnd(HWND main, bool ending) {
  const Action action =
      prompt_hold::Decide(ending ? Arrival::kSessionEnd : Arrival::kSessionGoesOn, PromptOpen(main), session);
  if (action == Action::kIgnore) return;
  recovery::SnapshotAllNow();
  if (action == Action::kSnapshotAndHold) {
    Hold({Arrival::kSessionEnd, 0, {}});
  } else {
    EndWithoutPrompts(main);
  }
}

void Enabled(HWND main, bool enabled) {
  if (enabled && !held.empty()) PostMessageW(main, kRunHeld, 0, 0);
}

void RunHeld(HWND main) {
  while (!held.empty() && IsWindow(main) && !PromptOpen(main)) {
    Held item = std::move(held.front());
    held.pop_front();
    switch (item.arrival) {
      case Arrival::kCommand:
        dispatcher::Dispatch(item.command);
        break;
      case Arrival::kHandOver:
        single_instance::OpenNames(item.names);
        break;
      case Arrival::kCloseRequest:
        if (shutdown::Run(false)) {
          DestroyWindow(main);
          held.clear();
        }
        break;
      default:
        EndWithoutPrompts(main);
        held.clear();
        break;
    }
  }
}

}  // namespace held_messages
