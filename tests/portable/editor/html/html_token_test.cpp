// The HTML token around a unit of one line: tags, attributes and values,
// CSS in style attributes and rule blocks, entities, text between tags,
// and lines that end in the middle of a construct.
#include "editor/html/html_token.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The token's text around the first unit of marker in line; "" for none.
std::u16string TokenAt(std::u16string_view line, std::int32_t hit) {
  html_token::Span span;
  if (!html_token::Find(line, hit, span)) return u"";
  return std::u16string(line.substr(static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.end - span.start)));
}

std::u16string TokenAt(std::u16string_view line, std::u16string_view marker) {
  return TokenAt(line, static_cast<std::int32_t>(line.find(marker)));
}

TEST(HtmlToken, AttributeWithItsValueOrTheValueAlone) {
  const std::u16string line = u"<a href=\"x.html\">link</a>";
  EXPECT_EQ(TokenAt(line, u"ref"), u" href=\"x.html\"");
  EXPECT_EQ(TokenAt(line, u".html"), u"x.html");
  EXPECT_EQ(TokenAt(line, u"link"), u"link");
  // After a closed value: the next attribute with its leading space.
  EXPECT_EQ(TokenAt(u"<img src=\"a\" alt=\"b c\">", u"lt"), u" alt=\"b c\"");
  // The tag name: the whole tag.
  EXPECT_EQ(TokenAt(line, u"/a>"), u"</a>");
}

TEST(HtmlToken, AStartingAngleBracketSelectsTheTagAndMovesTheHit) {
  const std::u16string_view line = u"x<b>y";
  std::int32_t hit = 1;
  html_token::Span span;
  ASSERT_TRUE(html_token::Find(line, hit, span));
  EXPECT_EQ(span.start, 1);
  EXPECT_EQ(span.end, 4);
  EXPECT_EQ(hit, 2);
}

TEST(HtmlToken, StyleAttributeValuesAndDeclarations) {
  const std::u16string line = u"<p style=\"color: red; margin: 0\">";
  EXPECT_EQ(TokenAt(line, u"ed;"), u" red");
  // No semicolon follows: the closing quote does not stop the declaration.
  EXPECT_EQ(TokenAt(line, u"argin"), u" margin: 0\">");
  EXPECT_EQ(TokenAt(u"<p STYLE=\"a: 1; b: 2; c: 3\">", u"b:"), u" b: 2;");
  // A rule block of a style sheet.
  EXPECT_EQ(TokenAt(u"p { color: red; }", u"lor"), u" color: red;");
  EXPECT_EQ(TokenAt(u"p { color: red; }", u"ed"), u" red");
}

TEST(HtmlToken, EntitiesAndTextBetweenTags) {
  const std::u16string line = u"a &amp; b";
  EXPECT_EQ(TokenAt(line, u"&"), u"&amp;");
  EXPECT_EQ(TokenAt(line, u"mp"), u"&amp;");
  EXPECT_EQ(TokenAt(u"<b>x</b>some text<i>y</i>", u"me t"), u"some text");
  EXPECT_EQ(TokenAt(u"plain words", u"words"), u"plain words");
}

TEST(HtmlToken, ConstructsOpenAtTheLineEndStopThere) {
  EXPECT_EQ(TokenAt(u"<a href=\"x.ht\nmore", u".ht"), u"x.ht");
  EXPECT_EQ(TokenAt(u"<div class=\"a\n", u"iv"), u"<div class=\"a");
  EXPECT_EQ(TokenAt(u"&nbsp\n", u"&"), u"&nbsp");
  EXPECT_EQ(TokenAt(u"text\n", u"ex"), u"text");
}

TEST(HtmlToken, EmptyLinesNulUnitsAndStaleHits) {
  EXPECT_EQ(TokenAt(u"", 0), u"");
  EXPECT_EQ(TokenAt(u"\n", 0), u"");
  const std::u16string nuls(5, u'\0');
  EXPECT_EQ(TokenAt(nuls, 2), nuls);
  // A hit left from before an edit: clamped onto the last unit.
  std::int32_t hit = 50;
  html_token::Span span;
  ASSERT_TRUE(html_token::Find(u"ab<i>", hit, span));
  EXPECT_EQ(span.start, 2);
  EXPECT_EQ(span.end, 5);
  EXPECT_EQ(TokenAt(u"abc", -3), u"abc");
}

TEST(HtmlToken, RandomLinesGiveRangesInsideTheText) {
  std::mt19937 random(20261207);
  const std::u16string alphabet = u"<>\"&;:{} =/aZ\t\0x";
  for (int round = 0; round < 20000; ++round) {
    std::u16string line;
    const int length = static_cast<int>(random() % 24);
    for (int k = 0; k < length; ++k) line.push_back(alphabet[random() % alphabet.size()]);
    if (random() % 2 == 0) line.push_back(u'\n');
    const std::int32_t text_length =
        static_cast<std::int32_t>(line.size()) - (!line.empty() && line.back() == u'\n' ? 1 : 0);
    std::int32_t hit = static_cast<std::int32_t>(random() % 32) - 4;
    html_token::Span span;
    if (!html_token::Find(line, hit, span)) continue;
    ASSERT_GE(span.start, 0);
    ASSERT_LT(span.start, span.end);
    ASSERT_LE(span.end, text_length);
    ASSERT_GE(hit, 0);
    ASSERT_LT(hit, text_length);
  }
}

}  // namespace
