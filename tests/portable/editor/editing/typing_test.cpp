#include "editor/editing/typing.h"

#include <gtest/gtest.h>

#include <string>

#include "cases/caret/typing_cases.h"
#include "support/caret_harness.h"

namespace {

constexpr int kWideText = 700;  // nothing scrolls sideways

std::string Canonical(const char* written) {
  bool ok = true;
  const MarkedText marked = ParseMarked(written, ok);
  EXPECT_TRUE(ok) << written;
  return WriteMarked(marked);
}

// The typed units: marked-text escapes, plus \b Backspace and \e Escape;
// \r stands for the Enter key's 13.
std::u16string Typed(const std::string& written) {
  std::string plain;
  std::u16string units;
  const auto flush = [&] {
    bool ok = true;
    units += ParseMarked(plain, ok).text;
    EXPECT_TRUE(ok) << written;
    plain.clear();
  };
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] == '\\' && i + 1 < written.size() && (written[i + 1] == 'b' || written[i + 1] == 'e')) {
      flush();
      units += written[++i] == 'b' ? u'\b' : u'\x1b';
    } else {
      plain += written[i];
    }
  }
  flush();
  return units;
}

void Type(CaretHarness& h, const std::u16string& units, bool shift, bool auto_indent) {
  for (const char16_t unit : units) {
    const CharacterAction action = keyboard::ActionForCharacter(unit, {shift, false, false}, h.store.Selection());
    typing::Perform(h.editor, action, unit, auto_indent);
  }
}

TEST(TypingCases, EveryCase) {
  for (const TypingCase& c : kTypingCases) {
    SCOPED_TRACE(c.name);
    CaretHarness h(kWideText, 20, false);
    h.Load(c.text);
    Type(h, Typed(c.typed), c.shift, c.auto_indent);
    EXPECT_EQ(h.Marked(), Canonical(c.expected));
  }
}

TEST(Typing, ReplacingASelectionIsOneUndoStep) {
  CaretHarness h(kWideText, 20, false);
  h.Load("a^bc|d");
  Type(h, u"x", false, false);
  ASSERT_EQ(h.Marked(), "ax|d");
  ASSERT_TRUE(h.editor.Undo());
  EXPECT_EQ(h.Marked(), "a^bc|d");
  EXPECT_FALSE(h.editor.CanUndo());
}

TEST(Typing, EveryTypedCharacterIsItsOwnUndoStep) {
  CaretHarness h(kWideText, 20, false);
  h.Load("|");
  Type(h, u"abc", false, false);
  ASSERT_TRUE(h.editor.Undo());
  EXPECT_EQ(h.Marked(), "ab|");
}

TEST(Typing, TypingKeepsTheCaretInViewWithRoom) {
  // 10 visible columns.
  CaretHarness h(71, 5, false);
  h.Load("|");
  Type(h, u"abcdefghi", false, false);
  EXPECT_EQ(h.layout.HorizontalScrollColumn(), 1);
  EXPECT_EQ(h.editor.RememberedX(), 63);
}

TEST(Typing, InputMethodResultsAreInsertedAsOneStep) {
  CaretHarness h(kWideText, 20, false);
  h.Load("a^bc|d");
  // The result buffer holds the text and then zeros (or anything).
  const std::u16string result(u"漢字\0ignored", 10);
  EXPECT_EQ(typing::InsertComposition(h.editor, result.data(), static_cast<std::int32_t>(result.size())), 0);
  EXPECT_EQ(h.Marked(), Canonical("a漢字|d"));
  EXPECT_EQ(h.Caret().x, 7 + 28);
  ASSERT_TRUE(h.editor.Undo());
  EXPECT_EQ(h.Marked(), "a^bc|d");
  EXPECT_EQ(typing::InsertComposition(h.editor, u"", 1), -1);
  EXPECT_EQ(typing::InsertComposition(h.editor, nullptr, 3), -1);
}

}  // namespace
