// The editor commands the frame carries out on the active document and on
// the shared switches.
#include <gtest/gtest.h>

#include <memory>

#include "commands/command_ids.h"
#include "frame/commands/editor_commands.h"
#include "platform/fixed_text_measurer.h"
#include "support/store_text.h"

namespace {

std::u16string Text(Document& document) {
  std::u16string text;
  for (const std::u16string& line : StoreLines(document.Store())) text += line;
  return text;
}

TEST(EditorCommands, ActOnTheActiveDocumentOnly) {
  DocumentSet set(std::make_unique<platform::FixedTextMeasurer>());
  ASSERT_TRUE(set.EnsureFonts());
  // No active document: known commands are taken and do nothing.
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kSelectAll));
  EXPECT_FALSE(editor_commands::Run(set, 5999));

  ASSERT_TRUE(set.Add(std::make_unique<Document>(set.Metrics(), set.Settings())));
  ASSERT_TRUE(set.Add(std::make_unique<Document>(set.Metrics(), set.Settings())));
  Document& active = *set.At(0);
  Document& other = *set.At(1);
  ASSERT_TRUE(active.LoadText(u"abc\ndef"));
  ASSERT_TRUE(other.LoadText(u"keep"));
  set.SetActive(&active);

  EXPECT_TRUE(editor_commands::Run(set, command_ids::kSelectAll));
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kUpperCase));
  EXPECT_EQ(Text(active), u"ABC\nDEF");
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kSelectAll));
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kDelete));
  EXPECT_EQ(Text(active), u"");
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kUndo));
  EXPECT_EQ(Text(active), u"ABC\nDEF");
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kUndo));
  EXPECT_EQ(Text(active), u"abc\ndef");
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kRedo));
  EXPECT_EQ(Text(active), u"ABC\nDEF");
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kDocumentStart));
  EXPECT_FALSE(active.Selection().exists);
  EXPECT_EQ(active.Selection().caret.line, 0);
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kDocumentEnd));
  EXPECT_EQ(active.Selection().caret.line, 1);
  EXPECT_EQ(active.Selection().caret.column, 3);
  // After select all the caret already stands at the end: the selection
  // still goes.
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kSelectAll));
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kDocumentEnd));
  EXPECT_FALSE(active.Selection().exists);
  EXPECT_EQ(Text(other), u"keep");
}

TEST(EditorCommands, SwitchesFlipTheSharedStateWithOrWithoutADocument) {
  DocumentSet set(std::make_unique<platform::FixedTextMeasurer>());
  ASSERT_TRUE(set.EnsureFonts());
  const EditorSettings before = set.Settings();
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kBoldTags));
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kTagPairHighlighting));
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kWrap));
  EXPECT_TRUE(editor_commands::Run(set, command_ids::kMatchCase));
  EXPECT_NE(set.Settings().bold_tags, before.bold_tags);
  EXPECT_NE(set.Settings().tag_pair_highlighting, before.tag_pair_highlighting);
  EXPECT_NE(set.Settings().wrap, before.wrap);
  EXPECT_TRUE(set.Metrics().CaseSensitiveSearch());
}

}  // namespace
