// The colouring machines as data: each case is a text and the colour slot
// of every unit (support/colour_slots.h).
#include "editor/paint/syntax_colouring.h"

#include <gtest/gtest.h>

#include <string>

#include "support/colour_slots.h"

namespace {

TEST(HtmlColouring, EntitiesTagsAndAttributes) {
  ExpectColourCases(kSyntaxHtml, {
      {u"a &amp; b", "11aaaaa11"},
      {u"&amp<b>", "aaaa666"},  // "<" ends an entity as a tag start
      {u"&x\n", "aa|"},
      {u"<a href=\"x\">", "667777778886"},
      {u"<br/>x", "666661"},
      {u"<a b=\"1\"c>", "6677788876"},  // after a value: attributes again
      {u"<a\nb>", "66|76"},
  });
}

TEST(HtmlColouring, CommentsCloseOnlyOnTwoHyphensAndAngle) {
  ExpectColourCases(kSyntaxHtml, {
      {u"<!-- a -->b", "99999999991"},
      {u"<!-- a --->b", "999999999999"},  // the third hyphen restarts the search
      {u"<!--a\n-->x", "99999|9991"},
      {u"<!-x>", "66666"},  // not a comment: a tag named "!-x"
  });
}

TEST(HtmlColouring, ProcessingInstructionsAndPhpStrings) {
  ExpectColourCases(kSyntaxPhp, {
      {u"<?php echo \"a?>\"; ?>x", "661111111118888811661"},
      {u"<?='b'?>", "66188866"},
      {u"<?\?>x", "66661"},  // closes right after the opening
  });
}

TEST(HtmlColouring, CssStyleElementOnlyInHeadWithTypeAttribute) {
  SyntaxState state;
  EXPECT_EQ(SlotsOf(kSyntaxHtml, u"<head><style type=\"text/css\">p{a:b}</style>", &state),
            "66666666666677777788888888886"
            "11b1c1"
            "66666666");
  EXPECT_EQ(state.style, kNoStyle);
  // The type written in another case still counts; without it, or outside
  // the head, the element is plain HTML.
  EXPECT_EQ(SlotsOf(kSyntaxHtml, u"<head><style TYPE=\"Text/CSS\">p{a:b}").substr(29), "11b1c1");
  EXPECT_EQ(SlotsOf(kSyntaxHtml, u"<head><style>p{a:b}").substr(13), "111111");
  EXPECT_EQ(SlotsOf(kSyntaxHtml, u"<head><style media=\"x\">p{a:b}").substr(23), "111111");
  EXPECT_EQ(SlotsOf(kSyntaxHtml, u"<head></head><style type=\"text/css\">p{a:b}").substr(36), "111111");
  EXPECT_EQ(SlotsOf(kSyntaxHtml, u"<style type=\"text/css\">p{a:b}").substr(23), "111111");
  // Inside the element "&" is CSS, and "<" still starts a tag.
  EXPECT_EQ(SlotsOf(kSyntaxHtml, u"<head><style type=\"text/css\">p{&:x<b>").substr(29), "11b1c666");
}

TEST(HtmlColouring, DivTagsAreBoldOutsideTheHead) {
  SyntaxState state;
  const std::u16string text = u"<div class=\"x\">a</DIV>b";
  const LineUnits line{text.data(), static_cast<std::int32_t>(text.size())};
  std::string bold;
  for (std::int32_t i = 0; i < line.length; ++i) {
    syntax_colouring::Step(state, kSyntaxHtml, line, i);
    bold += state.bold ? 'B' : '.';
  }
  EXPECT_EQ(bold, "BBBBBBBBBBBBBBB.BBBBBB.");

  SyntaxState in_head;
  const std::u16string head = u"<head><div>";
  const LineUnits head_line{head.data(), static_cast<std::int32_t>(head.size())};
  syntax_colouring::ScanLine(in_head, kSyntaxHtml, head_line);
  EXPECT_FALSE(in_head.bold);
  EXPECT_EQ(in_head.head, kInsideHead);
}

TEST(CssColouring, DeclarationsColourPropertiesAndValues) {
  ExpectColourCases(kSyntaxCss, {
      // White space has no role of its own: it takes the state's colour.
      {u"p { color: red; }", "111bbbbbb1cccc1b1"},
      {u"a{b:c;;d:e}", "11b1c11b1c1"},
      {u"a{:x}", "111c1"},
      {u"a{b;c}", "11b1b1"},
      {u"h1 {\n  margin: 0;\n}\n", "1111|bbbbbbbb1cc1|1|"},
  });
}

TEST(CssColouring, CommentsRestoreTheStateAndColourAround) {
  ExpectColourCases(kSyntaxCss, {
      {u"a{b/*x*/:c}", "11b999991c1"},
      {u"/* x **/a{b", "99999999999"},  // "**/" does not close
      {u"a{b:/* x */c}", "11b19999999c1"},
      {u"/* a /* b */a{b}", "99999999999911b1"},  // comments do not nest
  });
}

TEST(SyntaxColouring, NoneModeLeavesEverythingInTextColour) {
  EXPECT_EQ(SlotsOf(kSyntaxNone, u"<a href=\"x\">&amp;"), "11111111111111111");
}

}  // namespace
