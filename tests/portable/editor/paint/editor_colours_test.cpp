// The painter's default colours and the settings catalogue's defaults are
// typed in two places; they must agree slot by slot.
#include "editor/paint/editor_colours.h"

#include <gtest/gtest.h>

#include "settings/catalogue.h"

TEST(EditorColours, DefaultsAgreeWithTheSettingsCatalogue) {
  const EditorColours colours = DefaultEditorColours();
  for (std::uint32_t slot = 0; slot < kColourSlotCount; ++slot) {
    const std::uint32_t entry = slot < 13 ? 28 + slot : slot < 15 ? 351 + (slot - 13) : 354 + (slot - 15);
    EXPECT_EQ(catalogue::At(entry).kind, catalogue::Kind::Colour) << "entry " << entry;
    EXPECT_EQ(colours[static_cast<int>(slot)], static_cast<Colour>(catalogue::At(entry).fallback)) << "slot " << slot;
  }
  EXPECT_EQ(colours[kSlotTag], MakeColour(0, 60, 220));
  EXPECT_EQ(colours[kSlotScriptKeyword], MakeColour(175, 0, 175));
  EXPECT_EQ(colours[kSlotScriptNumber], MakeColour(0, 128, 128));
}
