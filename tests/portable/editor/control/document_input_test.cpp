// Keys, characters and input-method messages as the control forwards them
// to its document, observed through the recording window.
#include <gtest/gtest.h>

#include <vector>

#include "editor/editing/editor_notify.h"
#include "support/document_fixture.h"

namespace {

void Type(Document& document, std::u16string_view units, KeyModifiers modifiers = {}) {
  for (char16_t unit : units) document.Character(unit, modifiers);
}

TEST(DocumentInput, CharactersTypeAndEnterBreaksTheLine) {
  DocumentFixture f;
  f.document.LoadText(u"");
  Type(f.document, u"ab\rc\bd");
  EXPECT_EQ(f.Text(), u"ab\nd");
  // Held Ctrl types nothing; Ctrl with Alt is AltGr and types.
  f.document.Character(u'x', {false, true, false});
  f.document.Character(u'y', {false, true, true});
  EXPECT_EQ(f.Text(), u"ab\ndy");
  ASSERT_FALSE(f.window.messages.empty());
  EXPECT_EQ(f.window.messages[0].message, static_cast<std::uint32_t>(EDN_CHANGED));
}

TEST(DocumentInput, KeysMoveAndShiftSelects) {
  DocumentFixture f;
  f.document.LoadText(u"one\ntwo");
  f.document.KeyDown(virtual_key::kDown, {}, false);
  f.document.KeyDown(virtual_key::kRight, {true, false, false}, false);
  f.document.KeyDown(virtual_key::kRight, {true, false, false}, true);
  const SelectionState& selection = f.document.Selection();
  EXPECT_TRUE(selection.exists);
  EXPECT_EQ(selection.start, (TextPosition{1, 0, 0}));
  EXPECT_EQ(selection.end, (TextPosition{1, 2, 2 * DocumentFixture::kUnit}));
  Type(f.document, u"X");
  EXPECT_EQ(f.Text(), u"one\nXo");
  EXPECT_EQ(f.LastCaretMove(), "move " + std::to_string(DocumentFixture::kMargin + DocumentFixture::kUnit) + "," +
                                   std::to_string(f.RowY(1)));
}

TEST(DocumentInput, CompositionResultIsInsertedOnceAndConsumesTheMessage) {
  DocumentFixture f;
  f.document.LoadText(u"ab");
  f.document.Editor().CaretTo(f.document.Editor().At(0, 1));
  f.document.StartComposition();
  EXPECT_TRUE(f.document.Composing());
  EXPECT_FALSE(f.document.Composition(false));
  f.window.input_method.result = u"\u65e5\u672c";
  EXPECT_TRUE(f.document.Composition(true));
  EXPECT_EQ(f.Text(), u"a\u65e5\u672cb");
  ASSERT_TRUE(f.document.Undo());
  EXPECT_EQ(f.Text(), u"ab");
  // Losing the focus cancels a composition in progress.
  f.document.FocusLost();
  EXPECT_FALSE(f.document.Composing());
  EXPECT_EQ(f.window.input_method.calls.back(), "cancel");
}

TEST(DocumentInput, ReconversionAnswersOnlyForOneLineSelections) {
  DocumentFixture f;
  f.document.LoadText(u"abc\ndef");
  DocumentEditor& editor = f.document.Editor();
  editor.Select(editor.At(0, 1), editor.At(0, 3));
  EXPECT_EQ(f.document.Reconversion(nullptr, 0), 32u + 2 * 2 + 2);
  editor.Select(editor.At(0, 1), editor.At(1, 1));
  EXPECT_EQ(f.document.Reconversion(nullptr, 0), 0u);
}

}  // namespace
