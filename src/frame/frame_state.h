#pragma once
// Process-wide state of the application frame, alive for the whole run.
// Window-system handles are kept as void* so that the header stays
// portable; only the *_win32.cpp files look inside them.
#include <memory>

#include "editor/metrics_line_layout.h"
#include "editor/text_metrics.h"
#include "frame/opened_files.h"
#include "platform/wide_string.h"

struct FrameState {
  void* program_module = nullptr;   // HINSTANCE of the program
  int os_version_class = 0;         // os_version::Classify
  WideString settings_file_path;    // resolved at start-up
  void* main_window = nullptr;      // HWND
  void* accelerators = nullptr;     // HACCEL; built by the key bindings
  bool accelerators_suspended = false;  // a find-bar text field has the focus
  // The editor font set and the line layout every loaded text shares.
  std::unique_ptr<TextMetrics> metrics;
  std::unique_ptr<MetricsLineLayout> line_layout;
  OpenedFiles files;                  // what the command line and hand-overs opened
  WideString last_folder;           // start folder of the open dialog
};

FrameState& Frame();
