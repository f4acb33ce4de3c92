#pragma once
// What an editor tells its parent window. The control sends these as window
// messages (numbered from WM_APP); portable code reaches the parent through
// EditorParent so that it can be driven without a window.
#include <cstdint>

enum EditorNotify : std::uint32_t {
  EDN_MODIFIEDCHANGED = 0x8000,  // the modified state flipped
  EDN_CHANGED = 0x8001,          // after every recorded change, undo and redo
  EDN_LINESREMOVED = 0x8002,     // line, number of lines that vanished
  EDN_LINESINSERTED = 0x8003,    // line, number of lines created
  EDN_MOUSECOMMAND = 0x8004,     // mouse action code 0..8
  EDN_MOUSEDOWN = 0x8005,        // a mouse button went down in the control
  EDN_GESTURE = 0x8006,          // gesture direction 5..8, 9 cancelled
};

// Posted by a control to itself; only ever travels to the control, so it
// may share its number with EDN_MODIFIEDCHANGED.
inline constexpr std::uint32_t EDN_AUTOSCROLL = 0x8000;

class EditorParent {
 public:
  virtual ~EditorParent() = default;
  // line and count are 0 for the notifications that carry none.
  virtual void Notify(EditorNotify message, std::int32_t line, std::int32_t count) = 0;
};
