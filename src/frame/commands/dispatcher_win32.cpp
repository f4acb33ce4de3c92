#include "frame/commands/dispatcher.h"

#include "frame/commands/command_ids.h"
#include "frame/commands/dispatch_rules.h"
#include "frame/commands/go_to_line.h"
#include "frame/documents/document_tabs.h"
#include "frame/commands/editor_commands.h"
#include "frame/frame_state.h"
#include "frame/language/language_module.h"
#include "frame/layout/client_window.h"
#include "frame/layout/dialog_anchor.h"
#include "settings/dialogs/editing_dialogs.h"
#include "settings/options/options_dialog.h"
#include "settings/settings.h"
#include "tools/panes/pane_bases.h"
#include "tools/tag_insertion.h"
#include "tools/tool_commands.h"
#include "tools/toolbars/toolbars.h"

namespace dispatcher {
namespace {

// A message the last command put in the status bar; the next command
// takes it away.
bool transient_status = false;
FindFields* find_fields = nullptr;

constexpr std::uint16_t kFind = 5130;
constexpr std::uint16_t kFindBar = 5230;
constexpr std::uint16_t kFindNext = 5900;
constexpr std::uint16_t kFindPrevious = 5901;
constexpr std::uint16_t kHighlight = 5902;
constexpr std::uint16_t kReplace = 5910;
constexpr std::uint16_t kReplaceAll = 5911;

void ShowOutcome(const find_commands::Outcome& outcome) {
  WideString text;
  if (!find_commands::StatusText(outcome, [](unsigned id) { return language_module::StringView(id); }, text)) return;
  document_tabs::ShowStatusMessage(text.View());
  transient_status = true;
}

// The find bar's commands; false for other commands.
bool RunFind(std::uint16_t command) {
  if (command != kFindNext && command != kFindPrevious && command != kHighlight && command != kReplace &&
      command != kReplaceAll)
    return false;
  if (!find_fields) return true;
  Document* active = Frame().documents->Active();
  if (command == kHighlight) {
    find_commands::Highlight(active, *find_fields);
    return true;
  }
  if (command == kFindNext || command == kFindPrevious) {
    ShowOutcome(find_commands::Find(active, *find_fields, command == kFindNext));
    return true;
  }
  const find_commands::Outcome outcome = find_commands::Replace(active, *find_fields, command == kReplaceAll);
  document_tabs::FocusActive();
  ShowOutcome(outcome);
  return true;
}

void ClearTransientStatus() {
  if (!transient_status) return;
  document_tabs::ShowStatusMessage({});
  transient_status = false;
}

bool MouseBusy() {
  return Frame().documents && Frame().documents->Settings().mouse_state != MouseState::Idle;
}

void TogglePane(pane_bases::Side side) {
  pane_bases::Toggle(side);
  client_window::LayOutClient();
}

void Run(std::uint16_t command) {
  if (!Frame().documents) return;
  HWND main = static_cast<HWND>(Frame().main_window);
  switch (command) {
    case command_ids::kExit:
      PostMessageW(main, WM_CLOSE, 0, 0);
      return;
    case command_ids::kGoToLine:
      go_to_line::Run();
      return;
    case command_ids::kLeftPane:
      TogglePane(pane_bases::Side::kLeft);
      return;
    case command_ids::kRightPane:
      TogglePane(pane_bases::Side::kRight);
      return;
    case command_ids::kEditorFont:
      editing_dialogs::EditFont(main);
      return;
    case command_ids::kEditorColours:
      editing_dialogs::EditColours(main);
      return;
    case command_ids::kBookmarkList:
      editing_dialogs::EditBookmarks(main);
      return;
    case command_ids::kQuickTagEditor:
      editing_dialogs::EditQuickTags(main);
      return;
    case kFind: {
      WideString selection;
      if (Document* active = Frame().documents->Active()) active->SelectionText(selection);
      toolbars::FocusFindBox(selection.View());
      return;
    }
    case command_ids::kSettings:
      options_dialog::Run(main);
      return;
    case kFindBar:
      if (toolbars::FindBarShown()) document_tabs::FocusActive();
      toolbars::ShowFindBar(!toolbars::FindBarShown());
      client_window::LayOut(main);
      return;
  }
  if (command >= tag_insertion::kFirstQuickTag && command <= tag_insertion::kLastQuickTag) {
    tag_insertion::InsertQuickTag(Frame().documents->Active(), ProcessSettings(), command);
    return;
  }
  if (RunFind(command) || document_tabs::RunCommand(command)) return;
  Document* active = Frame().documents->Active();
  if (tool_commands::Run(command, active, main, dialog_anchor::Window())) return;
  editor_commands::Run(*Frame().documents, command);
}

}  // namespace

void Dispatch(WPARAM wparam) {
  if (dispatch_rules::Ignored(HIWORD(wparam), MouseBusy())) return;
  ClearTransientStatus();
  Run(LOWORD(wparam));
  toolbars::RefreshStates();
}

void MouseCommand(std::uintptr_t index) {
  const std::uint16_t command = dispatch_rules::MouseActionCommand(ProcessSettings().mouse_actions, index);
  if (command != 0) Dispatch(MAKEWPARAM(command, 0));
}

void GestureFeedback(std::uintptr_t index) {
  WideString text;
  if (dispatch_rules::GestureFeedback(ProcessSettings(), index,
                                      [](unsigned id) { return language_module::StringView(id); }, text)) {
    document_tabs::ShowStatusMessage(text.View());
    transient_status = true;
    return;
  }
  document_tabs::ShowStatusMessage({});
  transient_status = false;
}

void MouseDown() { ClearTransientStatus(); }

void SetFindFields(FindFields* fields) { find_fields = fields; }

}  // namespace dispatcher
