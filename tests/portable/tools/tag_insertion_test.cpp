#include "tools/tag_insertion.h"

#include <gtest/gtest.h>

#include <memory>

#include "editor/control/document_set.h"
#include "platform/fixed_text_measurer.h"
#include "support/store_text.h"

namespace {

class TagInsertion : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(set_.EnsureFonts()); }

  // A fresh document of text, columns from..to of line 0 selected.
  Document& Open(std::u16string_view text, std::int32_t from, std::int32_t to) {
    document_ = std::make_unique<Document>(set_.Metrics(), set_.Settings());
    EXPECT_TRUE(document_->LoadText(text));
    document_->Navigator().SetCaret({0, from, 0}, SelectionMode::Collapse);
    document_->Navigator().SetCaret({0, to, 0}, SelectionMode::Extend);
    return *document_;
  }

  std::u16string Text() {
    std::u16string text;
    for (const std::u16string& line : StoreLines(document_->Store())) text += line;
    return text;
  }

  DocumentSet set_{std::make_unique<platform::FixedTextMeasurer>()};
  std::unique_ptr<Document> document_;
};

}  // namespace

TEST_F(TagInsertion, WrapsTheSelectionAndPutsTheCaretAfterTheStartText) {
  const struct {
    std::u16string_view start, end;
    std::int32_t move, from, to;
    std::u16string_view text;
    std::int32_t line, column;
  } cases[] = {
      {u"<b>", u"</b>", 0, 4, 7, u"say <b>abc</b> it", 0, 7},
      {u"<b>", u"</b>", 0, 7, 4, u"say <b>abc</b> it", 0, 7},
      {u"<br>", u"", 0, 3, 3, u"say<br> abc it", 0, 7},
      {u"<ul>\n<li>", u"</li>\n</ul>", 0, 4, 7, u"say <ul>\n<li>abc</li>\n</ul> it", 1, 4},
      {u"<a href=\"\">", u"</a>", -2, 4, 7, u"say <a href=\"\">abc</a> it", 0, 13},
      {u"<i>", u"</i>", INT32_MAX, 0, 0, u"<i></i>say abc it", 0, 17},
      {u"<i>", u"</i>", INT32_MIN, 4, 4, u"say <i></i>abc it", 0, 0},
  };
  for (const auto& c : cases) {
    Document& document = Open(u"say abc it", c.from, c.to);
    TagEntry tag;
    tag.start.Assign(c.start);
    tag.end.Assign(c.end);
    tag.move = c.move;
    const auto what = ::testing::Message() << "case " << &c - cases;
    EXPECT_TRUE(tag_insertion::InsertTag(&document, tag)) << what;
    EXPECT_EQ(Text(), c.text) << what;
    EXPECT_FALSE(document.Selection().exists) << what;
    EXPECT_EQ(document.Selection().caret.line, c.line) << what;
    EXPECT_EQ(document.Selection().caret.column, c.column) << what;
    EXPECT_TRUE(document.Undo()) << what;
    EXPECT_EQ(Text(), u"say abc it") << what << ": one undo step";
  }
  TagEntry empty;
  EXPECT_FALSE(tag_insertion::InsertTag(&Open(u"say abc it", 4, 7), empty));
  EXPECT_EQ(Text(), u"say abc it");
  EXPECT_TRUE(document_->Selection().exists);
  empty.start.Assign(u"<b>");
  EXPECT_FALSE(tag_insertion::InsertTag(nullptr, empty));
}

TEST_F(TagInsertion, QuickTagsComeFromTheSettingsByCommand) {
  Settings settings;
  settings.quick_tags[0].start_text.Assign(u"<h1>");
  settings.quick_tags[0].end_text.Assign(u"</h1>");
  Document& document = Open(u"abc", 0, 3);
  EXPECT_TRUE(tag_insertion::InsertQuickTag(&document, settings, 5411));
  EXPECT_EQ(Text(), u"<h1>abc</h1>");
  EXPECT_EQ(document.Selection().caret.column, 4);
  EXPECT_FALSE(tag_insertion::InsertQuickTag(&document, settings, 5430)) << "an empty quick tag";
  for (std::uint16_t other : {5410, 5431}) EXPECT_FALSE(tag_insertion::InsertQuickTag(&document, settings, other));
}

TEST_F(TagInsertion, AQuickTagAdvancesTheColumnByItsStartTextWithoutLineBreaks) {
  const struct {
    std::u16string_view start;
    std::int32_t line, column;
  } cases[] = {
      {u"<h1>", 0, 8},
      {u"<ul>\n<li>", 1, 3},    // eight units from column 4 flow past line 0's end
      {u"<ul>\r\n<li>", 1, 3},  // the CR is neither inserted nor counted
      {u"<p>\n\n", 0, 7},       // two breaks short: the end of the first line
  };
  for (const auto& c : cases) {
    Settings settings;
    settings.quick_tags[0].start_text.Assign(c.start);
    Document& document = Open(u"say abc it", 4, 7);
    EXPECT_TRUE(tag_insertion::InsertQuickTag(&document, settings, 5411));
    EXPECT_EQ(document.Selection().caret.line, c.line) << &c - cases;
    EXPECT_EQ(document.Selection().caret.column, c.column) << &c - cases;
  }
}
