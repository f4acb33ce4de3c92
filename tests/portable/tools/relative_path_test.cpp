#include "tools/relative_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RelativePath, FromTheDocumentsFolderOnTheSameVolumeElseTheBareName) {
  struct Case {
    std::u16string_view document, file, expected;
  };
  const Case cases[] = {
      {u"C:\\site\\p.html", u"C:\\site\\a.png", u"a.png"},
      {u"C:\\site\\blog\\p.html", u"C:\\site\\a.png", u"../a.png"},
      {u"C:\\site\\blog\\post.html", u"C:\\site\\img\\a.png", u"../img/a.png"},
      {u"C:\\site\\p.html", u"C:\\site\\img\\x\\a.png", u"img/x/a.png"},
      {u"", u"C:\\site\\a.png", u"a.png"},
      {u"D:\\site\\p.html", u"C:\\site\\a.png", u"a.png"},
      {u"C:\\site\\blog\\p.html", u"C:\\site\\blog2\\a.png", u"../blog2/a.png"},
      {u"c:\\Site\\p.html", u"C:\\site\\img\\a.png", u"img/a.png"},
      {u"\\\\srv\\share\\site\\p.html", u"\\\\SRV\\Share\\img\\a.png", u"../img/a.png"},
      {u"\\\\srvA\\share\\site\\p.html", u"\\\\srvB\\pub\\img\\a.png", u"a.png"},
      {u"\\\\srv\\share\\p.html", u"\\\\srv\\pub\\a.png", u"a.png"},
      {u"C:\\share\\p.html", u"\\\\srv\\share\\a.png", u"a.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.document.begin(), c.document.end()) + " / " + std::string(c.file.begin(), c.file.end()));
    WideString text;
    ASSERT_TRUE(relative_path::PathText(c.document, c.file, text));
    EXPECT_EQ(text.View(), c.expected);
  }
}

}  // namespace
