#include "frame/shutdown.h"

#include <windows.h>

#include <new>
#include <vector>

#include "frame/frame_state.h"
#include "frame/main_window.h"
#include "settings/open_documents.h"
#include "settings/save_settings.h"
#include "settings/settings.h"

namespace shutdown {
namespace {

// The opened files stand for the tabs: in order, the active one activated
// last.  Lines are 0 until documents have carets.
void TakeSnapshot(Settings& settings) {
  const OpenedFiles& files = Frame().files;
  std::vector<TabForSnapshot> tabs;
  try {
    tabs.resize(files.Count());
  } catch (const std::bad_alloc&) {
    return;
  }
  for (std::size_t i = 0; i < files.Count(); ++i) {
    tabs[i].path = files.At(i).path.View();
    tabs[i].activation_stamp = static_cast<int>(i) == files.Active() ? files.Count() + 1 : i + 1;
  }
  TakeOpenDocumentsSnapshot(tabs, settings.open_documents);
}

}  // namespace

bool Run(bool logoff) {
  FrameState& frame = Frame();
  Settings& settings = ProcessSettings();
  if (settings.reopen_documents) TakeSnapshot(settings);
  frame.files.Clear();
  main_window::SavePlacement();
  SaveSettingsFile(frame.settings_file_path.View(), settings);
  if (frame.accelerators) DestroyAcceleratorTable(static_cast<HACCEL>(frame.accelerators));
  frame.accelerators = nullptr;
  return true;
}

}  // namespace shutdown
