#include "frame/startup/shutdown.h"

#include <windows.h>

#include <utility>

#include "settings/accelerator_table.h"
#include "frame/documents/document_tabs.h"
#include "base/frame_state.h"
#include "frame/documents/recovery.h"
#include "frame/documents/save_checks.h"
#include "base/language/string_ids.h"
#include "frame/layout/main_window.h"
#include "settings/editor_options.h"
#include "settings/save_settings.h"
#include "settings/menus/menus_win32.h"
#include "settings/settings.h"
#include "tools/file_browser/file_browser_win32.h"
#include "tools/tag_panel/tag_panel_win32.h"
#include "tools/toolbars/toolbars_win32.h"
#include "tools/tag_library_file.h"

namespace shutdown {

bool Run(bool logoff) {
  FrameState& frame = Frame();
  Settings& settings = ProcessSettings();
  if (frame.documents) {
    // Kept only when every document closed: a refused close leaves the
    // program running as it was.
    OpenDocumentsSnapshot snapshot;
    if (!document_tabs::CloseAllForShutdown(logoff, settings.reopen_documents ? &snapshot : nullptr)) return false;
    if (settings.reopen_documents) settings.open_documents = std::move(snapshot);
    recovery::Stop();
    editor_options::Store(frame.documents->Settings(), frame.documents->Metrics(), settings);
  }
  // A file that cannot be written is told before the program ends.
  WideString tag_library;
  if (!tag_panel::SaveLibrary() && tag_library_file::UserFilePath(frame.settings_file_path.View(), tag_library))
    save_checks::ShowFailures(string_ids::kCannotWriteTagLibrary, {save_checks::FailureOf(tag_library.View())});
  file_browser::Shutdown();
  toolbars::KeepHistories();
  menus::Destroy();
  main_window::SavePlacement();
  accelerator_table::SaveBindings(settings);
  const std::u16string_view settings_file = frame.settings_file_path.View();
  if (!SaveSettingsFile(settings_file, settings))
    save_checks::ShowFailures(string_ids::kCannotWriteSettings, {save_checks::FailureOf(settings_file)});
  if (frame.accelerators) DestroyAcceleratorTable(static_cast<HACCEL>(frame.accelerators));
  frame.accelerators = nullptr;
  return true;
}

}  // namespace shutdown
