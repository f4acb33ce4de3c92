// The catalogue's editor entries into the shared editor state and back.
#include <gtest/gtest.h>

#include <memory>

#include "platform/fixed_text_measurer.h"
#include "settings/editor_options.h"

namespace {

Settings Stored() {
  Settings settings;
  for (std::size_t i = 0; i < settings.editor_colours.size(); ++i)
    settings.editor_colours[i] = 0x00102030u + static_cast<std::uint32_t>(i);
  settings.wheel_step = 5;
  settings.auto_indent = true;
  settings.font_face.Assign(u"IPAGothic");
  settings.font_size = 14;
  settings.line_spacing = 3;
  settings.tab_width = 8;
  settings.wrap_lines = true;
  settings.bold_tags = true;
  settings.tag_pair_highlighting = false;
  settings.match_case = true;
  settings.script_extensions.emplace_back();
  settings.script_extensions.back().Assign(u".ts");
  return settings;
}

TEST(EditorOptions, EveryEditorEntryReachesTheSharedStateAndComesBackUnchanged) {
  const Settings settings = Stored();
  EditorSettings editor;
  editor.tag_pair_highlighting = true;
  TextMetrics metrics(std::make_unique<platform::FixedTextMeasurer>());
  ASSERT_TRUE(editor_options::Apply(settings, editor, metrics));
  EXPECT_EQ(editor.colours[kSlotBackground], 0x00102030u);
  EXPECT_EQ(editor.colours[kSlotPairHighlight], 0x00102030u + 14);
  EXPECT_EQ(editor.wheel_step, 5);
  EXPECT_TRUE(editor.auto_indent);
  EXPECT_TRUE(editor.wrap);
  EXPECT_TRUE(editor.bold_tags);
  EXPECT_FALSE(editor.tag_pair_highlighting);
  EXPECT_EQ(editor.script_extensions, std::vector<std::u16string>{u".ts"});
  EXPECT_EQ(metrics.FaceName(), u"IPAGothic");
  EXPECT_EQ(metrics.FontSize(), 14);
  EXPECT_EQ(metrics.LineSpacing(), 3);
  EXPECT_EQ(metrics.TabWidth(), 8);
  EXPECT_TRUE(metrics.CaseSensitiveSearch());
  // The fonts follow the applied settings: tabs are 8 average widths.
  ASSERT_TRUE(metrics.RebuildFonts());
  EXPECT_EQ(metrics.TabPixels(), 8 * metrics.AverageWidth());

  Settings written;
  ASSERT_TRUE(editor_options::Store(editor, metrics, written));
  EXPECT_EQ(written.editor_colours, settings.editor_colours);
  EXPECT_EQ(written.wheel_step, 5);
  EXPECT_TRUE(written.auto_indent);
  EXPECT_EQ(written.font_face.View(), u"IPAGothic");
  EXPECT_EQ(written.font_size, 14);
  EXPECT_EQ(written.line_spacing, 3);
  EXPECT_EQ(written.tab_width, 8);
  EXPECT_TRUE(written.wrap_lines);
  EXPECT_TRUE(written.bold_tags);
  EXPECT_FALSE(written.tag_pair_highlighting);
  EXPECT_TRUE(written.match_case);
}

TEST(EditorOptions, ValuesOutsideTheirRangesAreClamped) {
  Settings settings = Stored();
  settings.font_size = 100;
  settings.line_spacing = -5;
  settings.tab_width = 0;
  settings.wheel_step = INT32_MIN;
  settings.editor_colours[kSlotTag] = 0xFF0000FFu;  // a stray high byte
  EditorSettings editor;
  TextMetrics metrics(std::make_unique<platform::FixedTextMeasurer>());
  ASSERT_TRUE(editor_options::Apply(settings, editor, metrics));
  EXPECT_EQ(metrics.FontSize(), 72);
  EXPECT_EQ(metrics.LineSpacing(), 0);
  EXPECT_EQ(metrics.TabWidth(), 1);
  EXPECT_EQ(editor.colours[kSlotTag], MakeColour(255, 0, 0));
  // Negating the step for the other wheel direction must not overflow.
  EXPECT_GT(editor.wheel_step, INT32_MIN);
  EXPECT_LT(editor.wheel_step, 0);

  settings.font_size = 3;
  ASSERT_TRUE(editor_options::Apply(settings, editor, metrics));
  EXPECT_EQ(metrics.FontSize(), 8);
}

}  // namespace
