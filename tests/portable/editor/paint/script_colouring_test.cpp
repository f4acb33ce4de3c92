// The script machine as data (support/colour_slots.h): 'f' is the keyword
// colour, 'g' numbers and regular expressions, '8' strings and templates,
// '9' comments.
#include <gtest/gtest.h>

#include "editor/paint/colour_checkpoints.h"
#include "editor/paint/syntax_colouring.h"
#include "support/colour_slots.h"
#include "support/paint_fixture.h"

namespace {

TEST(ScriptColouring, KeywordsButNotPropertyOrLongerNames) {
  ExpectColourCases(kSyntaxScript, {
      {u"var x = this;", "fff11111ffff1"},
      {u"a.delete(x)", "11111111111"},  // a property name
      {u"returned", "11111111"},
      {u"#private in undefined", "111111111ff1fffffffff"},
      {u"...this", "111ffff"},  // spread is not a property access
  });
}

TEST(ScriptColouring, NumbersInEveryNotation) {
  ExpectColourCases(kSyntaxScript, {
      {u"0x1F 0o17 0b1_0 1_000n 1.5e-3 .5", "gggg1gggg1ggggg1gggggg1gggggg1gg"},
      {u"1..toString()", "gg11111111111"},
      {u"x1-2", "111g"},
      {u"2e+", "g11"},  // no exponent without its digits
  });
}

TEST(ScriptColouring, StringsEndAtTheirQuoteOrTheLineEnd) {
  ExpectColourCases(kSyntaxScript, {
      {u"'a\\'b' \"c\\\"d\"", "8888881888888"},
      {u"'abc\nx", "8888|1"},
      {u"'a\\\nb'x", "888|881"},  // a backslash continues the string
      {u"\"a\"/2", "8881g"},  // a string is an operand
  });
}

TEST(ScriptColouring, TemplatesNestToAnyDepthWithTheirExpressionsAsScript) {
  ExpectColourCases(kSyntaxScript, {
      {u"`a${b}c`", "88881888"},
      {u"`a${`b${c}`}d`", "88888888188888"},
      {u"`${ {a:1}.a }x`", "8881111g1111888"},  // braces inside do not close it
      {u"`${this}`", "888ffff88"},
      {u"`${\"}\"}x`", "888888888"},  // a brace in a string neither
      {u"`a\nb`;", "88|881"},
      {u"`\\``x", "88881"},
      {u"`a\nb", "88|8"},  // open until the text ends
      {u"`${`${`${1}`}`}`;if", "888888888g8888881ff"},
  });
}

TEST(ScriptColouring, CommentsLineBlockAndHtmlLike) {
  ExpectColourCases(kSyntaxScript, {
      {u"a // b\nc", "119999|1"},
      {u"a/* x */b", "199999991"},
      {u"/*/ x */y", "999999991"},  // the opening star does not close
      {u"/* a\nb", "9999|9"},
      {u"<!-- old\nx", "99999999|1"},
  });
}

TEST(ScriptColouring, RegularExpressionsToldFromDivisionByTheTokenBefore) {
  ExpectColourCases(kSyntaxScript, {
      {u"a / b / c", "111111111"},
      {u"x = /re/g", "1111ggggg"},
      {u"f(x) / 2", "1111111g"},
      {u"return /re/.test(s)", "ffffff1gggg11111111"},
      {u"x = /[/]+/", "1111gggggg"},  // "/" inside a class
      {u"/a\\/b/", "gggggg"},
      {u"/ab\nc", "ggg|1"},  // ends at the line's end
      {u"x++ / 2", "111111g"},
      {u"typeof /x/", "ffffff1ggg"},
      {u"a[0] / 2", "11g1111g"},
      {u"this / 2", "ffff111g"},
      {u"}\n/x/", "1|ggg"},  // after a block a statement starts
  });
}

// Expected slots below are written tag by tag: 7 sixes for "<script", a
// seven for each unit of an attribute, eights for a double-quoted value.
TEST(ScriptColouring, ScriptElementsOfHtmlByTheirType) {
  ExpectColourCases(kSyntaxHtml, {
      {u"<script>var a;</script>x", "66666666" "fff111" "666666666" "1"},
      {u"<SCRIPT>if</Script >", "66666666" "ff" "66666666" "76"},
      {u"<script type=\"module\">if", "6666666" "777777" "88888888" "6" "ff"},
      // Outside double quotes a "/" is the tag's, as in any tag.
      {u"<script type='TEXT/JAVASCRIPT'>if", "6666666" "77777777777" "666666666666" "6" "ff"},
      {u"<script type=text/javascript>if", "6666666" "7777777777" "66666666666" "6" "ff"},
      {u"<script type=\"\">if", "6666666" "777777" "88" "6" "ff"},
      {u"<script data-type=\"x\">if", "6666666" "77777777777" "888" "6" "ff"},  // not the type attribute
      {u"<script type=\"text/template\">if", "6666666" "777777" "888888888888888" "6" "11"},
      {u"<script type=\"text/javascript; charset=utf-8\">if",
       "6666666" "777777" "88888888888888888888888888888888" "6" "11"},
      {u"<scripts>if", "666666666" "11"},
      {u"<script>a<b&c</script>", "66666666" "11111" "666666666"},  // no tags or entities inside
  });
}

TEST(ScriptColouring, TheEndTagEndsTheScriptWhereverItStands) {
  ExpectColourCases(kSyntaxHtml, {
      {u"<script>\"</script>x\"", "66666666" "8" "666666666" "11"},
      {u"<script>/*</script>x", "66666666" "99" "666666666" "1"},
      {u"<script>`${</script><script>if", "66666666" "888" "666666666" "66666666" "ff"},
  });
  // Processing instructions are read inside a script: PHP may write into
  // a string, which goes on after it.
  ExpectColourCases(kSyntaxPhp, {
      {u"<script>\"<?=$x?>\"</script>", "66666666" "8" "6611166" "8" "666666666"},
  });
}

TEST(ScriptColouring, ACheckpointInsideAScriptBlockResumesItsTemplates) {
  PaintFixture fixture;
  fixture.SetText(u"<script>\nconst a = `x${\n  `y${\n  1 }`\n}z\n`;\nif\n</script>\nif");
  // Spacing 1: a checkpoint before every line, each resumed on its own.
  ColourCheckpoints checkpoints(1);
  const char* const expected[] = {"66666666", "fffff111118888", "118888", "11g188", "88", "81", "ff",
                                  "666666666", "11"};
  for (std::int32_t line = 0; line < 9; ++line) {
    fixture.ScrollTo(line);
    const RecordingCanvas painted = fixture.Paint(&checkpoints);
    EXPECT_EQ(fixture.TextSlots(painted, PaintFixture::RowY(0)), expected[line]) << "line " << line;
  }
}

}  // namespace
