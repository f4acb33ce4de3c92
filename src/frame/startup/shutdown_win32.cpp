#include "frame/startup/shutdown.h"

#include <windows.h>

#include <utility>

#include "settings/accelerator_table.h"
#include "frame/documents/document_tabs.h"
#include "base/frame_state.h"
#include "frame/documents/recovery.h"
#include "frame/layout/main_window.h"
#include "settings/editor_options.h"
#include "settings/save_settings.h"
#include "settings/menus/menus_win32.h"
#include "settings/settings.h"
#include "tools/file_browser/file_browser_win32.h"
#include "tools/tag_panel/tag_panel_win32.h"
#include "tools/toolbars/toolbars_win32.h"

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
  tag_panel::SaveLibrary();
  file_browser::Shutdown();
  toolbars::KeepHistories();
  menus::Destroy();
  main_window::SavePlacement();
  accelerator_table::SaveBindings(settings);
  SaveSettingsFile(frame.settings_file_path.View(), settings);
  if (frame.accelerators) DestroyAcceleratorTable(static_cast<HACCEL>(frame.accelerators));
  frame.accelerators = nullptr;
  return true;
}

}  // namespace shutdown
