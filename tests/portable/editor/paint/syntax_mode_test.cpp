#include "editor/paint/syntax_mode.h"

#include <gtest/gtest.h>

TEST(SyntaxMode, FollowsTheExtensionOfTheLastComponent) {
  EXPECT_EQ(syntax_mode::ForPath(u""), kSyntaxUntitled);
  EXPECT_EQ(syntax_mode::ForPath(u"C:\\web\\file.HTM"), kSyntaxHtml);
  EXPECT_EQ(syntax_mode::ForPath(u"a.Xhtml"), kSyntaxHtml);
  EXPECT_EQ(syntax_mode::ForPath(u"a.xht"), kSyntaxHtml);
  EXPECT_EQ(syntax_mode::ForPath(u"feed.xml"), kSyntaxHtml);
  EXPECT_EQ(syntax_mode::ForPath(u"site.CSS"), kSyntaxCss);
  EXPECT_EQ(syntax_mode::ForPath(u"index.php"), kSyntaxPhp);
  EXPECT_EQ(syntax_mode::ForPath(u"notes.txt"), kSyntaxNone);
  EXPECT_EQ(syntax_mode::ForPath(u"file.html.bak"), kSyntaxNone);
  EXPECT_EQ(syntax_mode::ForPath(u"C:\\site.html\\README"), kSyntaxNone);  // dot in a folder only
  EXPECT_EQ(syntax_mode::ForPath(u"page.htmlx"), kSyntaxNone);
  EXPECT_TRUE(syntax_mode::UsesHtmlColouring(kSyntaxUntitled));
  EXPECT_TRUE(syntax_mode::UsesHtmlColouring(kSyntaxPhp));
  EXPECT_FALSE(syntax_mode::UsesHtmlColouring(kSyntaxCss));
  EXPECT_FALSE(syntax_mode::UsesHtmlColouring(kSyntaxNone));
}
