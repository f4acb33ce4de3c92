#include "frame/shutdown.h"

#include <windows.h>

#include <new>
#include <vector>

#include "frame/document_host.h"
#include "frame/frame_state.h"
#include "frame/main_window.h"
#include "frame/recent_files.h"
#include "settings/editor_options.h"
#include "settings/open_documents.h"
#include "settings/save_settings.h"
#include "settings/settings.h"

namespace shutdown {
namespace {

// The documents stand for the tabs, oldest first; the active one counts as
// activated last.
void TakeSnapshot(const DocumentSet& set, Settings& settings) {
  std::vector<TabForSnapshot> tabs;
  try {
    tabs.resize(static_cast<std::size_t>(set.Count()));
  } catch (const std::bad_alloc&) {
    return;
  }
  for (std::int32_t i = 0; i < set.Count(); ++i) {
    Document& document = *set.At(set.Count() - 1 - i);
    TabForSnapshot& tab = tabs[static_cast<std::size_t>(i)];
    tab.path = document.Path().View();
    tab.caret_line = document.Selection().caret.line;
    tab.activation_stamp = &document == set.Active() ? set.Count() + 1 : i + 1;
  }
  TakeOpenDocumentsSnapshot(tabs, settings.open_documents);
}

// Closing a document keeps its caret line in its recent-files entry.
void KeepCaretLines(const DocumentSet& set, Settings& settings) {
  for (std::int32_t i = 0; i < set.Count(); ++i) {
    Document& document = *set.At(i);
    if (!document.Path().Empty())
      recent_files::KeepLine(settings.recent_files, document.Path().View(), document.Selection().caret.line);
  }
}

}  // namespace

bool Run(bool logoff) {
  FrameState& frame = Frame();
  Settings& settings = ProcessSettings();
  if (frame.documents) {
    DocumentSet& set = *frame.documents;
    if (settings.reopen_documents) TakeSnapshot(set, settings);
    KeepCaretLines(set, settings);
    editor_options::Store(set.Settings(), set.Metrics(), settings);
    document_host::DestroyAll();
  }
  main_window::SavePlacement();
  SaveSettingsFile(frame.settings_file_path.View(), settings);
  if (frame.accelerators) DestroyAcceleratorTable(static_cast<HACCEL>(frame.accelerators));
  frame.accelerators = nullptr;
  return true;
}

}  // namespace shutdown
