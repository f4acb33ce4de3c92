#include "settings/dialogs/bookmark_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BookmarkRows, RowsWithAPathBecomeBookmarksInTheirOrder) {
  const bookmark_rows::Row rows[] = {
      {u"", u"5", u"no path: dropped"},
      {u"C:\\a.html", u"0", u"top"},
      {u"C:\\b.html", u"42", u""},
      {u"", u"", u""},
      {u"C:\\c.html", u"", u"empty line"},
      {u"C:\\d.html", u"1", u"first"},
  };
  struct Expected {
    std::u16string path;
    std::int32_t line;
    std::u16string name;
  } expected[] = {
      {u"C:\\a.html", 0, u"top"},
      {u"C:\\b.html", 41, u""},
      {u"C:\\c.html", 0, u"empty line"},
      {u"C:\\d.html", 0, u"first"},
  };
  std::vector<Bookmark> bookmarks(1);
  ASSERT_TRUE(bookmark_rows::ToBookmarks(rows, bookmarks));
  ASSERT_EQ(bookmarks.size(), std::size(expected));
  for (std::size_t k = 0; k < bookmarks.size(); ++k) {
    EXPECT_EQ(bookmarks[k].path.View(), expected[k].path) << k;
    EXPECT_EQ(bookmarks[k].line, expected[k].line) << k;
    EXPECT_EQ(bookmarks[k].name.View(), expected[k].name) << k;
  }
}

}  // namespace
