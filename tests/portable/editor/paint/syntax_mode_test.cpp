#include "editor/paint/syntax_mode.h"

#include <gtest/gtest.h>

namespace {
const std::vector<std::u16string> kScripts = syntax_mode::DefaultScriptExtensions();
}  // namespace

TEST(SyntaxMode, FollowsTheExtensionOfTheLastComponent) {
  EXPECT_EQ(syntax_mode::ForPath(u"", kScripts), kSyntaxUntitled);
  EXPECT_EQ(syntax_mode::ForPath(u"C:\\web\\file.HTM", kScripts), kSyntaxHtml);
  EXPECT_EQ(syntax_mode::ForPath(u"a.Xhtml", kScripts), kSyntaxHtml);
  EXPECT_EQ(syntax_mode::ForPath(u"a.xht", kScripts), kSyntaxHtml);
  EXPECT_EQ(syntax_mode::ForPath(u"feed.xml", kScripts), kSyntaxHtml);
  EXPECT_EQ(syntax_mode::ForPath(u"site.CSS", kScripts), kSyntaxCss);
  EXPECT_EQ(syntax_mode::ForPath(u"index.php", kScripts), kSyntaxPhp);
  EXPECT_EQ(syntax_mode::ForPath(u"notes.txt", kScripts), kSyntaxNone);
  EXPECT_EQ(syntax_mode::ForPath(u"file.html.bak", kScripts), kSyntaxNone);
  EXPECT_EQ(syntax_mode::ForPath(u"C:\\site.html\\README", kScripts), kSyntaxNone);  // dot in a folder only
  EXPECT_EQ(syntax_mode::ForPath(u"page.htmlx", kScripts), kSyntaxNone);
  EXPECT_EQ(syntax_mode::ForPath(u"app.JS", kScripts), kSyntaxScript);
  EXPECT_EQ(syntax_mode::ForPath(u"a.mjs", kScripts), kSyntaxScript);
  EXPECT_EQ(syntax_mode::ForPath(u"a.cjs", kScripts), kSyntaxScript);
  EXPECT_EQ(syntax_mode::ForPath(u"package.json", kScripts), kSyntaxScript);
  // The settings' list decides: without ".js" in it a script is plain text.
  EXPECT_EQ(syntax_mode::ForPath(u"app.js", {u".ts"}), kSyntaxNone);
  EXPECT_EQ(syntax_mode::ForPath(u"app.ts", {u".ts"}), kSyntaxScript);
  EXPECT_TRUE(syntax_mode::UsesHtmlColouring(kSyntaxUntitled));
  EXPECT_TRUE(syntax_mode::UsesHtmlColouring(kSyntaxPhp));
  EXPECT_FALSE(syntax_mode::UsesHtmlColouring(kSyntaxCss));
  EXPECT_FALSE(syntax_mode::UsesHtmlColouring(kSyntaxScript));
  EXPECT_FALSE(syntax_mode::UsesHtmlColouring(kSyntaxNone));
}
