#include "frame/commands/dispatcher_win32.h"

#include "commands/command_handlers.h"
#include "frame/commands/dispatch_rules.h"
#include "frame/commands/go_to_line.h"
#include "frame/documents/document_tabs.h"
#include "frame/commands/editor_commands.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "frame/layout/client_window_win32.h"
#include "frame/layout/dialog_anchor_win32.h"
#include "settings/dialogs/editing_dialogs_win32.h"
#include "settings/options/options_dialog_win32.h"
#include "settings/settings.h"
#include "base/settings_location.h"
#include "tools/find_in_files/find_in_files_win32.h"
#include "tools/panes/pane_bases_win32.h"
#include "tools/tag_panel/tag_panel_win32.h"
#include "tools/toolbars/find_history.h"
#include "tools/tag_insertion.h"
#include "tools/tool_commands_win32.h"
#include "tools/toolbars/toolbars_win32.h"

namespace dispatcher {
namespace {

using namespace command_ids;

// A message the last command put in the status bar; the next command
// takes it away.
bool transient_status = false;
FindFields* find_fields = nullptr;

void ShowOutcome(const find_commands::Outcome& outcome) {
  WideString text;
  if (!find_commands::StatusText(outcome, [](unsigned id) { return language_module::StringView(id); }, text)) return;
  document_tabs::ShowStatusMessage(text.View());
  transient_status = true;
}

// The find bar's commands.
bool RunFind(std::uint16_t command) {
  if (command == kRegexSearch) {
    ProcessSettings().regex_search = !ProcessSettings().regex_search;
    return true;
  }
  if (command != kFindNext && command != kFindPrevious && command != kHighlightAll && command != kReplace &&
      command != kReplaceAll)
    return false;
  if (!find_fields) return true;
  Document* active = Frame().documents->Active();
  const find_commands::SearchMode mode{ProcessSettings().regex_search,
                                       Frame().documents->Metrics().CaseSensitiveSearch()};
  if (command == kFindNext || command == kFindPrevious) {
    ShowOutcome(find_commands::Find(active, *find_fields, command == kFindNext, mode));
    return true;
  }
  if (command == kHighlightAll) {
    ShowOutcome(find_commands::Highlight(active, *find_fields, mode));
    return true;
  }
  const find_commands::Outcome outcome = find_commands::Replace(active, *find_fields, command == kReplaceAll, mode);
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

// The dialog starts with the active document's one-line selection and its
// folder (the default folder for an untitled one); the results show in
// the right pane.
void FindInFiles(HWND main) {
  Document* active = Frame().documents->Active();
  WideString selection;
  if (active) active->SelectionText(selection);
  const std::u16string_view text =
      find_history::SelectionFillsFindBox(selection.View()) ? selection.View() : std::u16string_view();
  const std::u16string_view folder = active && !active->File().path.Empty()
                                         ? settings_location::FolderOf(active->File().path.View())
                                         : ProcessSettings().default_folder.View();
  if (!find_in_files_command::Run(main, text, folder)) return;
  tag_panel::ShowResults();
  if (!ProcessSettings().right_pane_shown) TogglePane(pane_bases::Side::kRight);
}

// The commands that belong to no other room: dialogs, panes and bars.
bool RunFrameCommand(std::uint16_t command) {
  HWND main = static_cast<HWND>(Frame().main_window);
  switch (command) {
    case kExit:
      PostMessageW(main, WM_CLOSE, 0, 0);
      return true;
    case kGoToLine:
      go_to_line::Run();
      return true;
    case kLeftPane:
      TogglePane(pane_bases::Side::kLeft);
      return true;
    case kRightPane:
      TogglePane(pane_bases::Side::kRight);
      return true;
    case kEditorFont:
      editing_dialogs::EditFont(main);
      return true;
    case kEditorColours:
      editing_dialogs::EditColours(main);
      return true;
    case kBookmarkList:
      editing_dialogs::EditBookmarks(main);
      return true;
    case kQuickTagEditor:
      editing_dialogs::EditQuickTags(main);
      return true;
    case kFind: {
      WideString selection;
      if (Document* active = Frame().documents->Active()) active->SelectionText(selection);
      toolbars::FocusFindBox(selection.View());
      return true;
    }
    case kSettings:
      options_dialog::Run(main);
      return true;
    case kFindInFiles:
      FindInFiles(main);
      return true;
    case kFindBar:
      if (toolbars::FindBarShown()) document_tabs::FocusActive();
      toolbars::ShowFindBar(!toolbars::FindBarShown());
      client_window::LayOut(main);
      return true;
  }
  return false;
}

bool RunQuickTag(std::uint16_t command) {
  tag_insertion::InsertQuickTag(Frame().documents->Active(), ProcessSettings(), command);
  return true;
}

bool RunTool(std::uint16_t command) {
  return tool_commands::Run(command, Frame().documents->Active(), static_cast<HWND>(Frame().main_window),
                            dialog_anchor::Window());
}

bool RunEditorCommand(std::uint16_t command) { return editor_commands::Run(*Frame().documents, command); }

void RegisterHandlers() {
  using command_catalogue::Owner;
  command_handlers::Register(Owner::kFrame, RunFrameCommand);
  command_handlers::Register(Owner::kDocuments, document_tabs::RunCommand);
  command_handlers::Register(Owner::kEditor, RunEditorCommand);
  command_handlers::Register(Owner::kFind, RunFind);
  command_handlers::Register(Owner::kQuickTags, RunQuickTag);
  command_handlers::Register(Owner::kTools, RunTool);
}

void Run(std::uint16_t command) {
  if (!Frame().documents) return;
  command_handlers::Run(command);
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

void Start(FindFields* fields) {
  find_fields = fields;
  RegisterHandlers();
}

}  // namespace dispatcher
