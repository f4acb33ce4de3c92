#pragma once
// The user-settable colours of an editor control, by slot.
#include <array>

#include "platform/canvas.h"

enum ColourSlot : int {
  kSlotBackground = 0,      // text, margin and empty area
  kSlotText = 1,            // ordinary text; number of the caret line
  kSlotSelection = 2,       // selection background
  kSlotSelectionText = 3,
  kSlotMarkedNumber = 4,    // background of a marked line's number
  kSlotMarks = 5,           // tab, line-end and full-width marks, numbers, "[EOF]"
  kSlotTag = 6,
  kSlotAttribute = 7,
  kSlotValue = 8,           // quoted attribute values, PHP strings
  kSlotComment = 9,
  kSlotEntity = 10,
  kSlotCssProperty = 11,
  kSlotCssValue = 12,
  kSlotWordHighlight = 13,  // background of highlighted-word occurrences
  kSlotPairHighlight = 14,  // background of the highlighted tag pair
  kSlotScriptKeyword = 15,
  kSlotScriptNumber = 16,   // numbers and regular expressions in scripts
  kColourSlotCount = 17,
};

struct EditorColours {
  std::array<Colour, kColourSlotCount> slots;
  Colour operator[](int slot) const { return slots[static_cast<std::size_t>(slot)]; }
};

constexpr EditorColours DefaultEditorColours() {
  return {{
      MakeColour(255, 255, 255), MakeColour(0, 0, 0),       MakeColour(128, 128, 128),
      MakeColour(255, 255, 255), MakeColour(255, 212, 212), MakeColour(192, 192, 192),
      MakeColour(0, 60, 220),    MakeColour(0, 100, 120),   MakeColour(128, 32, 64),
      MakeColour(150, 150, 100), MakeColour(96, 114, 48),   MakeColour(88, 64, 170),
      MakeColour(140, 80, 0),    MakeColour(255, 248, 160), MakeColour(216, 255, 236),
      MakeColour(175, 0, 175),   MakeColour(0, 128, 128),
  }};
}
