// The comment toggle, the date and image-tag texts and a dropped file on an
// editor document.
#include "tools/insertion_tools.h"

#include <gtest/gtest.h>

#include "support/document_fixture.h"
#include "support/scratch_file.h"

namespace {

using namespace insertion_tools;

TEST(InsertionTools, ToggleCommentWrapsOrUnwrapsTheSelectionOrTheCaretLine) {
  struct Case {
    std::u16string_view text;
    TextPosition from, to;  // equal: no selection, the caret there (x unused)
    std::u16string_view expected;
    std::int32_t caret_column;  // on the line of from
  };
  const Case cases[] = {
      {u"<!-- x -->", {0, 0}, {0, 10}, u" x ", 0},
      {u"<!---->", {0, 0}, {0, 7}, u"", 0},
      {u"<!--->", {0, 0}, {0, 6}, u"<!--<!--->-->", 0},
      {u"ab\nc", {0, 1}, {1, 1}, u"a<!--b\nc-->", 1},
      {u"x\nabc", {1, 2}, {1, 2}, u"x\n<!--abc-->", 0},
      {u"x\n\ny", {1, 0}, {1, 0}, u"x\n\ny", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    DocumentFixture f;
    ASSERT_TRUE(f.document.LoadText(c.text));
    DocumentEditor& editor = f.document.Editor();
    editor.Select(editor.At(c.from.line, c.from.column), editor.At(c.to.line, c.to.column));
    const bool changed = c.expected != c.text;
    EXPECT_EQ(ToggleComment(f.document), changed);
    EXPECT_EQ(f.Text(), c.expected);
    EXPECT_FALSE(f.document.Selection().exists);
    EXPECT_EQ(f.document.Selection().caret.line, c.from.line);
    EXPECT_EQ(f.document.Selection().caret.column, c.caret_column);
    // One undo step, or none when nothing changed.
    EXPECT_EQ(editor.CanUndo(), changed);
    if (changed) EXPECT_TRUE(f.document.Undo());
    EXPECT_EQ(f.Text(), c.text);
  }
}

TEST(InsertionTools, DateIsYearMonthDayWithTwoDigitMonthAndDay) {
  const std::pair<CalendarDate, std::u16string_view> cases[] = {
      {{2014, 3, 5}, u"2014-03-05"},
      {{999, 12, 31}, u"999-12-31"},
  };
  for (const auto& [date, expected] : cases) {
    WideString text;
    ASSERT_TRUE(DateText(date, text));
    EXPECT_EQ(text.View(), expected);
  }
}

TEST(InsertionTools, ImageTagCarriesTheSizeOnlyWhenOneWasFoundOrTheFileWasUnreadable) {
  const std::pair<ImageSize, std::u16string_view> cases[] = {
      {{ImageFormat::kPng, 640, 480}, u"<img src=\"../img/a b.png\" width=\"640\" height=\"480\" alt=\"\">"},
      {{ImageFormat::kUnreadable, 0, 0}, u"<img src=\"../img/a b.png\" width=\"0\" height=\"0\" alt=\"\">"},
      {{ImageFormat::kUnknown, 0, 0}, u"<img src=\"../img/a b.png\" alt=\"\">"},
      {{ImageFormat::kJpeg, 0, 0}, u"<img src=\"../img/a b.png\" alt=\"\">"},
  };
  for (const auto& [size, expected] : cases) {
    WideString tag;
    ASSERT_TRUE(ImageTag(u"../img/a b.png", size, tag));
    EXPECT_EQ(tag.View(), expected);
  }
}

TEST(InsertionTools, ADroppedImageLeavesTheCaretInsideTheAltValueAndOtherFilesAfterTheirPath) {
  // A GIF of 3 by 2 pixels.
  const test_support::ScratchFile gif("dropped.gif", std::string_view("GIF89a\x03\x00\x02\x00", 10));
  const test_support::ScratchFile page("dropped.html", "<p>");
  std::vector<WideString> extensions(2);
  extensions[0].Assign(u".png");
  extensions[1].Assign(u".GIF");  // extensions compare without ASCII case
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"ab"));
  f.document.Editor().CaretTo(f.document.Editor().At(0, 1));
  ASSERT_TRUE(InsertDroppedFile(f.document, gif.Path(), extensions));
  const std::u16string tail = u"dropped.gif\" width=\"3\" height=\"2\" alt=\"\">b";
  const std::u16string text = f.Text();
  ASSERT_TRUE(text.starts_with(u"a<img src=\""));
  EXPECT_TRUE(text.ends_with(tail));
  EXPECT_EQ(f.document.Selection().caret.column, static_cast<std::int32_t>(text.size() - 3));

  ASSERT_TRUE(f.document.LoadText(u""));
  ASSERT_TRUE(InsertDroppedFile(f.document, page.Path(), extensions));
  EXPECT_TRUE(f.Text().ends_with(u"dropped.html"));
  EXPECT_EQ(f.document.Selection().caret.column, static_cast<std::int32_t>(f.Text().size()));
}

}  // namespace
