#pragma once
// The editor options every control of the process shares. The values here
// are those in force before the settings file is read; reading it fills
// them (and loads the program's cursors).
#include <array>
#include <cstdint>

#include "editor/editor_colours.h"

enum EditorCursor : int {
  kCursorArrow = 0,   // also 1 to 3 until the program's cursors are loaded
  kCursorNo = 4,
  kEditorCursorCount = 9,
};

struct EditorSettings {
  // Window-system cursor handles, opaque to portable code.
  std::array<void*, kEditorCursorCount> cursors{};
  EditorColours colours = DefaultEditorColours();
  std::int32_t wheel_step = 3;  // rows per wheel notch
  bool auto_indent = false;
  bool wrap = false;
  bool bold_tags = false;
  bool tag_pair_highlighting = false;
  std::int32_t mouse_state = 0;
};
