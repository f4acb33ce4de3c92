#pragma once
// The editor options every control of the process shares. The values here
// are those in force before the settings file is read; reading it fills
// them (and loads the program's cursors).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/paint/editor_colours.h"
#include "editor/paint/syntax_mode.h"

enum EditorCursor : int {
  kCursorArrow = 0,   // also 1 to 3 until the program's cursors are loaded
  kCursorMargin = 1,  // over the line-number margin
  kCursorMove = 2,    // dragging the selection to move it
  kCursorCopy = 3,    // dragging the selection with Ctrl held
  kCursorNo = 4,      // a cancelled gesture
  kCursorGestureLeft = 5,  // 5 to 8: gesture left, right, up, down
  kEditorCursorCount = 9,
};

// What the mouse is doing. One control at a time holds the mouse, so one
// value serves the whole process.
enum class MouseState : std::int32_t {
  Idle = 0,
  LeftPressed = 1,  // not yet dragged; also after a rocker or double click
  RightPressed = 2,  // no gesture yet
  GestureLeft = 3,
  GestureRight = 4,
  GestureUp = 5,
  GestureDown = 6,
  LeftDragging = 7,
  GestureCancelled = 8,
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
  // Extensions, dot included, of the files coloured as scripts.
  std::vector<std::u16string> script_extensions = syntax_mode::DefaultScriptExtensions();
  MouseState mouse_state = MouseState::Idle;
};
