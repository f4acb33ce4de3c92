#include "frame/startup/startup_win32.h"

#include <objbase.h>
#include <shellapi.h>

#include <vector>

#include "settings/accelerator_table.h"
#include "frame/documents/document_tabs.h"
#include "base/language/error_box.h"
#include "base/frame_state.h"
#include "base/language/html_help.h"
#include "base/language/language_module.h"
#include "frame/layout/main_window.h"
#include "frame/documents/recovery.h"
#include "frame/startup/held_messages.h"
#include "frame/startup/open_from_outside.h"
#include "frame/startup/os_version.h"
#include "base/settings_location.h"
#include "frame/startup/single_instance_win32.h"
#include "base/language/string_ids.h"
#include "platform/heap.h"
#include "platform/shell_folders.h"
#include "settings/load_settings.h"
#include "settings/open_documents.h"
#include "settings/settings.h"
#include "settings/settings_reader.h"
#include "tools/file_browser/shell_worker_win32.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace startup {
namespace {

constexpr DWORD kProgramPathLimit = MAX_PATH;

enum class Outcome { kFailed, kHandedOver, kRunning };

int ClassifyThisSystem() {
  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return 0;
  return os_version::Classify(version.dwMajorVersion, version.dwMinorVersion);
}

// The program's own path; false when it does not fit the limit (a cut path
// would name another folder).
bool ProgramPath(WideString& path) {
  wchar_t buffer[kProgramPathLimit + 1] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, kProgramPathLimit + 1);
  if (length == 0 || length > kProgramPathLimit) return false;
  return path.Assign(reinterpret_cast<const char16_t*>(buffer), length);
}

// The command line's names, each made full against the folder the program
// was started in: start-up then moves the current folder to the program's
// own, and a second instance hands its names to a first one that runs in
// another folder.  A name that cannot be made full stays as given.
class Arguments {
 public:
  Arguments() {
    int count = 0;
    wchar_t** given = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!given) return;
    names_.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      const DWORD needed = i > 0 && given[i][0] ? GetFullPathNameW(given[i], 0, nullptr, nullptr) : 0;
      WideString& name = names_[static_cast<std::size_t>(i)];
      if (needed > 0 && name.Reserve(needed) &&
          GetFullPathNameW(given[i], needed, reinterpret_cast<wchar_t*>(name.Data()), nullptr) == needed - 1)
        name.SetLength(needed - 1);
      else
        name.Assign(reinterpret_cast<const char16_t*>(given[i]));
      values_.push_back(name.Text());
    }
    LocalFree(given);
  }
  Arguments(const Arguments&) = delete;
  Arguments& operator=(const Arguments&) = delete;

  int Count() const { return static_cast<int>(values_.size()); }
  const char16_t* const* Values() const { return values_.data(); }

 private:
  std::vector<WideString> names_;
  std::vector<const char16_t*> values_;
};

// The previous run's documents, when reopening is on: up to the first empty
// slot, files that are gone skipped, each at its line; then the tab that was
// active.
void ReopenPreviousDocuments() {
  const OpenDocumentsSnapshot& previous = ProcessSettings().open_documents;
  const ShellFolders& shell = HostShellFolders();
  for (const RecentFile& slot : previous.documents) {
    if (slot.path.Empty()) break;
    if (!shell.FileExists(slot.path.View())) continue;
    if (open_from_outside::OpenName(slot.path.View()) == document_opening::kOpened && slot.line != 0)
      document_tabs::GoToLine(slot.line);
  }
  document_tabs::ActivateTab(ActiveTabToSelect(previous, document_tabs::Count()));
}

// What the frame still holds goes before the private heap it lives in.
void ReleaseFrame() { Frame().documents.reset(); }

// Reads the settings, makes the main window, reopens the previous run's
// documents and opens the command-line files.
bool CreateFrame(const SettingsReader& reader, const Arguments& arguments, int show_command) {
  LoadSettings(reader, ProcessSettings(), HostShellFolders(),
               [](std::uint32_t id) { return language_module::StringView(id); });
  // Without a table the program still runs, only without shortcuts.
  accelerator_table::LoadBindings(ProcessSettings());
  if (!document_tabs::CreateSet()) {
    error_box::Show(string_ids::kOutOfMemory);
    return false;
  }
  // The file browser's worker exists before the window that asks it.
  shell_worker::Start();
  if (!main_window::Create(reader.Valid(), show_command)) return false;
  document_tabs::NewDocument();
  if (ProcessSettings().reopen_documents) ReopenPreviousDocuments();
  for (int i = 1; i < arguments.Count(); ++i) open_from_outside::OpenName(arguments.Values()[i]);
  if (arguments.Count() > 1) open_from_outside::Finish();
  // Without a recovery folder the program still runs, only without
  // snapshots, and says so.
  if (recovery::Start()) recovery::RestoreLeftOvers();
  return true;
}

Outcome StartUp(int show_command) {
  FrameState& frame = Frame();
  const Arguments arguments;
  WideString program_path;
  if (frame.os_version_class == 0 || !ProgramPath(program_path) ||
      !settings_location::Resolve(program_path.View(), settings_location::SystemFolderQueries(),
                                  frame.settings_file_path)) {
    error_box::ShowFixed(u"Failed to execute file.");
    return Outcome::kFailed;
  }
  frame.program_path = std::move(program_path);
  // Open only during start-up; closed when this function returns.
  SettingsReader reader;
  reader.Open(frame.settings_file_path.View());
  Settings& settings = ProcessSettings();
  ReadLanguageModuleName(reader, settings);
  if (!language_module::Load(settings.language_module_name.View(), settings_location::FolderOf(frame.program_path.View())) ||
      !settings.language_module_name.Assign(language_module::Name().View())) {
    error_box::ShowFixed(u"Language file not found.");
    return Outcome::kFailed;
  }

  if (arguments.Count() > 1) {
    if (HWND running = FindWindowW(reinterpret_cast<const wchar_t*>(main_window::kClassName), nullptr)) {
      single_instance::HandOver(running, arguments.Values(), arguments.Count());
      language_module::Unload();
      return Outcome::kHandedOver;
    }
  }

  if (!CreateFrame(reader, arguments, show_command)) {
    language_module::Unload();
    return Outcome::kFailed;
  }
  return Outcome::kRunning;
}

// Runs until the quit message; returns its code.
int MessageLoop() {
  MSG message = {};
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) break;
    const FrameState& frame = Frame();
    if (frame.accelerators_suspended || !frame.accelerators || !frame.main_window ||
        !TranslateAcceleratorW(static_cast<HWND>(frame.main_window), static_cast<HACCEL>(frame.accelerators),
                               &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    // Here no prompt's loop is running: what waited for one runs now.
    if (frame.main_window) held_messages::RunHeld(static_cast<HWND>(frame.main_window));
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int Run(HINSTANCE instance, int show_command) {
  if (!heap::CreatePrivate()) return 0;
  FrameState& frame = Frame();
  frame.program_module = instance;
  frame.os_version_class = ClassifyThisSystem();
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  html_help::Initialize();

  int exit_code = 0;
  if (StartUp(show_command) == Outcome::kRunning) {
    exit_code = MessageLoop();
    language_module::Unload();
  }
  // Joined before the heaps and COM it may still be using go; a worker
  // still stuck in the shell keeps them, and the process's end takes all.
  if (!shell_worker::Stop()) return exit_code;
  ReleaseFrame();

  html_help::Uninitialize();
  heap::DestroyPrivate();
  if (SUCCEEDED(com)) CoUninitialize();
  main_window::DeleteUiFont();
  return exit_code;
}

}  // namespace startup
