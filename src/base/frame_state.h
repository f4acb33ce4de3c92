#pragma once
// Process-wide state of the application frame, alive for the whole run.
// Window-system handles are kept as void* so that the header stays
// portable; only the *_win32.cpp files look inside them.
#include <memory>

#include "editor/control/document_set.h"
#include "platform/wide_string.h"

struct FrameState {
  void* program_module = nullptr;   // HINSTANCE of the program
  int os_version_class = 0;         // os_version::Classify
  WideString program_path;          // Vorndel.exe itself, resolved at start-up
  WideString settings_file_path;    // resolved at start-up
  void* main_window = nullptr;      // HWND
  void* ui_font = nullptr;          // HFONT of the tab strip, status bar and panes
  void* accelerators = nullptr;     // HACCEL; built by the key bindings
  bool accelerators_suspended = false;  // a find-bar text field has the focus
  // The open documents with the editor settings and fonts they share.
  std::unique_ptr<DocumentSet> documents;
  WideString last_folder;           // start folder of the open dialog
};

FrameState& Frame();
