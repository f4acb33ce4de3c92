// Clicking on a start or end tag highlights its partner: nesting of the
// same name, names compared in any ASCII case, elements without an end
// tag, comments, and when the highlight stays, goes or never comes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editor/store/line_record.h"
#include "editor/html/tag_pair_matcher.h"
#include "support/document_fixture.h"
#include "support/mouse_driver.h"

namespace {

using mouse_driver::LeftClick;
using mouse_driver::TextPoint;

// Inside unit `unit` of a line, so that the hit test reports that unit.
PointerPoint OnUnit(DocumentFixture& f, std::int32_t line, std::int32_t unit) {
  PointerPoint point = TextPoint(f, line, unit);
  point.x += DocumentFixture::kUnit / 2;
  return point;
}

void ExpectRange(const LineRange& range, std::int32_t line, std::int32_t first, std::int32_t end) {
  EXPECT_EQ(range.line, line);
  EXPECT_EQ(range.first, first);
  EXPECT_EQ(range.end, end);
}

class TagPairHighlighting : public ::testing::Test {
 protected:
  TagPairHighlighting() { f.set.Settings().tag_pair_highlighting = true; }
  DocumentFixture f;
};

TEST_F(TagPairHighlighting, NestedElementsOfTheSameNameMatchTheOuterPair) {
  f.document.LoadText(u"<div class=\"a\">\n<div>\n</div>\nx</DIV> tail");
  LeftClick(f.document, OnUnit(f, 0, 2));
  const TagPairHighlight& pair = f.document.TagPair();
  ASSERT_TRUE(pair.active);
  ExpectRange(pair.start_tag, 0, 0, 15);
  ExpectRange(pair.end_tag, 3, 1, 7);

  // The inner pair on its own; then from the outer end tag back.
  LeftClick(f.document, OnUnit(f, 2, 5));
  ASSERT_TRUE(pair.active);
  ExpectRange(pair.start_tag, 1, 0, 5);
  ExpectRange(pair.end_tag, 2, 0, 6);
  LeftClick(f.document, OnUnit(f, 3, 3));
  ASSERT_TRUE(pair.active);
  ExpectRange(pair.start_tag, 0, 0, 15);
  ExpectRange(pair.end_tag, 3, 1, 7);
  EXPECT_FALSE(f.window.invalidated.empty());
}

TEST_F(TagPairHighlighting, CaseOfAsciiLettersIsIgnoredAndPrefixesDoNotMatch) {
  f.document.LoadText(u"<Span><spanx></SPANX>text</sPaN>");
  LeftClick(f.document, OnUnit(f, 0, 1));
  ASSERT_TRUE(f.document.TagPair().active);
  ExpectRange(f.document.TagPair().end_tag, 0, 25, 32);
}

TEST_F(TagPairHighlighting, NothingForEmptyElementsCommentsTextOrAMissingPartner) {
  f.document.LoadText(u"<p><BR><img src=\"a.png\"></p>\n<!-- note --> words\n<div>\n<b\n");
  const std::int32_t cases[][2] = {{0, 5}, {0, 10}, {1, 6}, {1, 16}, {2, 2}, {3, 1}};
  for (const auto& at : cases) {
    LeftClick(f.document, OnUnit(f, at[0], at[1]));
    EXPECT_FALSE(f.document.TagPair().active) << at[0] << "," << at[1];
  }
  // The paragraph itself matches across the others.
  LeftClick(f.document, OnUnit(f, 0, 1));
  ASSERT_TRUE(f.document.TagPair().active);
  ExpectRange(f.document.TagPair().end_tag, 0, 24, 28);
}

TEST_F(TagPairHighlighting, StaysOnClicksInsideGoesWithTypingAndOtherClicks) {
  f.document.LoadText(u"<i>ab</i> cd");
  LeftClick(f.document, OnUnit(f, 0, 1));
  ASSERT_TRUE(f.document.TagPair().active);
  const TagPairHighlight before = f.document.TagPair();
  LeftClick(f.document, OnUnit(f, 0, 7));
  EXPECT_TRUE(f.document.TagPair().active);
  ExpectRange(f.document.TagPair().start_tag, before.start_tag.line, before.start_tag.first, before.start_tag.end);
  f.document.Character(u'z', {});
  EXPECT_FALSE(f.document.TagPair().active);

  f.document.LoadText(u"<i>ab</i> cd");
  LeftClick(f.document, OnUnit(f, 0, 1));
  ASSERT_TRUE(f.document.TagPair().active);
  LeftClick(f.document, OnUnit(f, 0, 11));
  EXPECT_FALSE(f.document.TagPair().active);
}

TEST_F(TagPairHighlighting, OnlyWithTheSettingOnAndNoSelection) {
  f.document.LoadText(u"<i>ab</i>");
  f.set.Settings().tag_pair_highlighting = false;
  LeftClick(f.document, OnUnit(f, 0, 1));
  EXPECT_FALSE(f.document.TagPair().active);
  f.set.Settings().tag_pair_highlighting = true;
  // A Shift+click extends a selection: no pair.
  f.document.LeftButtonDown(OnUnit(f, 0, 4), mouse_flag::kLeft | mouse_flag::kShift);
  f.document.LeftButtonUp(OnUnit(f, 0, 4), mouse_flag::kShift);
  EXPECT_TRUE(f.document.Selection().exists);
  EXPECT_FALSE(f.document.TagPair().active);
  // A drag ending without a selection looks for the pair at its end.
  mouse_driver::LeftDrag(f.document, OnUnit(f, 0, 7), OnUnit(f, 0, 7));
  EXPECT_FALSE(f.document.Selection().exists);
  EXPECT_TRUE(f.document.TagPair().active);
}

}  // namespace

namespace {

// The search forward skips from "<" to "<" through the lines' two runs:
// units holding the byte of "<" (U+3C3C, U+013C, U+3C00) are no tags, and
// wherever a line's gap lies, even next to a "<", the same partner is found.
TEST(TagPairMatcher, EndTagFoundWhereverTheGapsLie) {
  DocumentFixture f;
  f.document.LoadText(u"<p>\u3C3C\u013C\u3C00<p>x</p>\n\u3C3C<P\t\u013C</p></p>");
  TextStore& store = f.document.Store();
  for (std::int32_t line = 0; line < 2; ++line) {
    for (std::int32_t column = 0; column <= store.Line(line)->Length(); ++column) {
      LineRecord& record = *store.Line(line);
      ASSERT_TRUE(store.InsertUnits(record, u"y", 1, column));
      ASSERT_EQ(store.DeleteUnits(record, column, 1), u'y');
      TagPairHighlight pair;
      ASSERT_TRUE(tag_pair::Find(store, 0, 1, pair)) << line << ':' << column;
      ExpectRange(pair.start_tag, 0, 0, 3);
      ExpectRange(pair.end_tag, 1, 9, 13);
    }
  }
}

TEST(TagPairMatcher, RandomDocumentsGiveRangesInsideTheirLines) {
  std::mt19937 random(7122026);
  const std::u16string alphabet = u"<</>!?dDiv br\t\"x";
  DocumentFixture f;
  for (int round = 0; round < 300; ++round) {
    std::u16string text;
    const int length = static_cast<int>(random() % 80);
    for (int k = 0; k < length; ++k) text.push_back(random() % 12 == 0 ? u'\n' : alphabet[random() % alphabet.size()]);
    f.document.LoadText(text);
    TextStore& store = f.document.Store();
    for (std::int32_t line = 0; line < store.LineCount(); ++line) {
      for (std::int32_t hit = -1; hit <= store.Line(line)->Length(); ++hit) {
        TagPairHighlight pair;
        if (!tag_pair::Find(store, line, hit, pair)) continue;
        for (const LineRange& range : {pair.start_tag, pair.end_tag}) {
          ASSERT_GE(range.line, 0);
          ASSERT_LT(range.line, store.LineCount());
          ASSERT_GE(range.first, 0);
          ASSERT_LT(range.first, range.end);
          ASSERT_LE(range.end, store.Line(range.line)->TextLength());
        }
      }
    }
  }
}

}  // namespace
